#pragma once
// What the summaries of a file read share: lists of lines in tabs, French
// counts, and Enter that never answers from a list.
#include <QObject>
#include <QString>

#include "core/log/LogFile.h"

class QAbstractItemModel;
class QDialog;
class QLabel;
class QListView;
class QPushButton;
class QTabWidget;
class QWidget;
class SettingsStore;

// A read-only list in the list font over `model`, which it takes.
QListView* LinesView(const char* name, QAbstractItemModel* model, QWidget* parent);

// Log lines, kept as bytes until they are painted: a long file shows at once.
QAbstractItemModel* LogLinesModel(const kmb::Lines& lines);

// French counts agree from two on ("1 refusé", "2 refusés"); 0 takes the singular.
QString Agreed(std::size_t count, const QString& one, const QString& many);

// Lays the summary out: its counts, its tabs of lists, `act` (enabled when
// there is something to do) and "Annuler" under them; Enter in a list never
// acts, only the focused button answers it.
void LayOutSummary(QDialog& dialog, QLabel* counts, QTabWidget* tabs, QPushButton* act, SettingsStore& settings);
