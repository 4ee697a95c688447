#pragma once
// The embedded browser speaks French, its own error pages included, whatever
// the system's locale.

// Before the application object exists: the web engine reads its language once.
void SpeakFrenchOnTheWeb();
