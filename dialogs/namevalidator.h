#pragma once
// What a name box holds: a name of at most a given number of characters as
// the player sees them (an emoji, a letter with its accents, a CJK
// character is one), never cut inside one, and shown with what a name may
// not carry already made the spaces it will be stored as. A line edit's own
// maximum length counts UTF-16 units: it cut emoji in half.
#include <QValidator>

class TNameValidator : public QValidator
{
    Q_OBJECT
public:
    TNameValidator(int MaxLength, QObject* Parent);

    int MaxLength() const { return FMaxLength; }

    // Input is the box's text after a change, Pos its cursor. Text put in
    // past the limit (typed, pasted, dropped or set) is cut where it went
    // in, at a whole character, and the text around it stays: typing into
    // a full box changes nothing, a long paste keeps what fits. Always
    // Acceptable: an empty name is the dialog's to refuse.
    State validate(QString& Input, int& Pos) const override;

    // The same as a pure function: Before the text the box held, Changed the
    // text after the change with the cursor at Pos; the result is the text
    // the box takes, and Pos its cursor.
    static QString Fit(const QString& Before, const QString& Changed, int MaxLength, int& Pos);

private:
    int FMaxLength;
    // The text last accepted: the change is found against it.
    mutable QString FAccepted;
};
