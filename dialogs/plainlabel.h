#pragma once
// A label of the program's windows: named for tests and the accessibility
// tree, placed, and always showing its text as plain text, so that nothing
// it is given (a name, an address, a text from the string table) can turn
// into markup or a link.
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// Bounds empty: the label takes the size of its text.
QLabel* MakePlainLabel(QWidget* Parent, const char* Name, const QString& Text, const QRect& Bounds = QRect());
