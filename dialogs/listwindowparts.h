#pragma once
// The parts the two list windows (the Hall of Fame and the statistics)
// share, so that they look alike: the blue title over the list, and the
// list in a fixed-pitch font whose lines are all the same height.
#include <QString>
#include <QStringList>

class QLabel;
class QListWidget;
class QRect;
class QWidget;

// The title label "Label1": bold "Comic Sans MS" of 16 pixels in blue, sized
// to its text.
QLabel* MakeListTitle(QWidget* Parent, const QString& Text);
// The list "List" at Bounds in the fixed-pitch font.
QListWidget* MakeFixedPitchList(QWidget* Parent, const QRect& Bounds);
// Replaces the list's lines, each LineHeight pixels high.
void FillList(QListWidget* List, const QStringList& Lines, int LineHeight);
