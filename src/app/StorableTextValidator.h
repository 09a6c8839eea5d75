#pragma once

#include <QValidator>

class QLineEdit;

// Lets into a field only characters the tester can store (Latin-1, no control
// characters). A value read from the tester may hold others; they stay, but
// no edit adds one: the field may hold no more of them than it did when it
// got the focus.
class StorableTextValidator : public QValidator
{
    Q_OBJECT
public:
    explicit StorableTextValidator(QLineEdit *field);

    State validate(QString &input, int &pos) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_field;
    qsizetype m_allowed = 0;
};
