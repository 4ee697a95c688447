#pragma once
// What a window holds, scrolled when the screen is smaller than it (a laptop,
// a screen at a scale of 2): its rows keep their height, the window fits the
// free area, and the field the keyboard reaches is brought into view.
class QScrollArea;
class QWidget;

// A scroll area around `content`, as large as the content wants when the
// screen allows it.
QScrollArea* ScrollingContent(QWidget* content, QWidget* parent);
