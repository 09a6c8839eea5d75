#pragma once

#include "ops/OrvaForm.h"

#include <QHash>
#include <QJsonObject>
#include <QStringList>

#include <functional>

struct Session;

// The main window's values without a window: what the operations read and
// write, held as plain values for the command-line tool.
class CliForm : public OrvaForm
{
public:
    CliForm();

    QString text(const QString &control) const override { return m_texts.value(control); }
    void setText(const QString &control, const QString &text) override;
    int maxLength(const QString &control) const override;
    QStringList items(const QString &list) const override { return m_items.value(list); }
    void setItems(const QString &list, const QStringList &items) override;
    int currentIndex(const QString &list) const override { return m_index.value(list, -1); }
    void setCurrentIndex(const QString &list, int index) override;
    bool isChecked(const QString &box) const override { return m_checks.value(box); }
    void setChecked(const QString &box, bool checked) override { m_checks[box] = checked; }
    void setShown(const QString &, bool) override {}
    void setEnabled(const QString &, bool) override {}
    void setStatus(const QString &text) override;
    void setProgress(qint64 done, qint64 total) override;
    void lockAllControls() override {}
    void applyAccessLevel() override {}
    void beep() override {}
    bool confirm(const QString &title, const QString &text) override;
    void critical(const QString &title, const QString &text) override;
    void warning(const QString &title, const QString &text) override;
    void endProgram() override { m_ended = true; }
    void parametersLoaded() override;
    void aboutToWrite() override;

    const Session *session = nullptr;
    bool answerYes = false;
    bool showProgress = false;
    std::function<void(const QString &)> onStatus;

    // What the operations reported, in order ("critical: …", "warning: …").
    QStringList messages;
    bool ended() const { return m_ended; }
    // The reading and factor shown when the calibration asked for confirmation.
    QString readingControl;
    QString factorControl;
    QString confirmedReading;
    QString confirmedFactor;
    QString lastBackup;
    QJsonObject lastRead;
    std::function<QJsonObject()> snapshot;

private:
    QHash<QString, QString> m_texts;
    QHash<QString, QStringList> m_items;
    QHash<QString, int> m_index;
    QHash<QString, bool> m_checks;
    bool m_ended = false;
    bool m_progressShown = false;
};
