// The window read at a glance: nothing cut off at the desktop's font or one a
// quarter larger, changes not sent visible, texts from the tester shown as
// they are. The access level and the send's outcome in words: test_access, test_send.
#include "ControlFactory.h"
#include "FrmPassword.h"
#include "Harness.h"
#include "MessageBoxPrompts.h"
#include "StatusArea.h"
#include "WindowForm.h"
#include "base/Translations.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

// The room a line edit gives its text, from its own style.
int textRoom(const QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 4;
}

int textRoom(const QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.rect = combo->rect();
    return combo->style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
               .width() -
           4;
}

// What each text-bearing control must show whole, and where it is cut.
QStringList cutOff(QWidget &window)
{
    QStringList cut;
    const auto check = [&](const QWidget *w, const QString &text, int room) {
        if (!text.isEmpty() && w->fontMetrics().horizontalAdvance(text) > room)
            cut.append(QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                           .arg(w->objectName(), text)
                           .arg(w->fontMetrics().horizontalAdvance(text))
                           .arg(room));
    };
    for (QLineEdit *e : window.findChildren<QLineEdit *>()) {
        const auto control = Controls::byName(e->objectName());
        if (control == Control::TestoFileIni)
            continue; // the program's folder: any length; its tooltip holds it whole
        const bool field = control && Controls::info(*control).maxLength > 0;
        check(e, field ? ControlFactory::longestValue(*control) : e->text(), textRoom(e));
    }
    for (QComboBox *c : window.findChildren<QComboBox *>()) {
        if (c->isHidden())
            continue;
        for (int i = 0; i < c->count(); ++i)
            check(c, c->itemText(i), textRoom(c));
        check(c, c->placeholderText(), textRoom(c));
    }
    for (QAbstractButton *b : window.findChildren<QAbstractButton *>())
        if (b->parentWidget() && !qobject_cast<QTabBar *>(b->parentWidget()) &&
            b->sizeHint().width() > std::max(b->width(), b->minimumWidth()))
            cut.append(QStringLiteral("%1: \"%2\"").arg(b->objectName(), b->text()));
    for (QGroupBox *g : window.findChildren<QGroupBox *>())
        check(g, g->title(), g->width() - 8);
    for (QLabel *l : window.findChildren<QLabel *>())
        if (!l->wordWrap() && l->isVisible() && l->sizeHint().width() > l->width())
            cut.append(QStringLiteral("%1: \"%2\"").arg(l->objectName(), l->text()));
    for (QTabBar *bar : window.findChildren<QTabBar *>())
        for (int i = 0; i < bar->count(); ++i)
            check(bar, bar->tabText(i), bar->tabRect(i).width() - 8);
    return cut;
}

} // namespace

class TestReadability : public QObject
{
    Q_OBJECT
private slots:
    void nothingIsCutOff_data();
    void nothingIsCutOff();
    void changesNotSentAreMarked();
    void testerTextsShowAsTheyAre();
    void messagesShowTheirTextAsItIs();
};

void TestReadability::nothingIsCutOff_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("scale");
    for (const char *language : {"en", "it", "de"}) {
        QTest::addRow("%s, desktop font", language) << language << 1.0;
        QTest::addRow("%s, font a quarter larger", language) << language << 1.25;
    }
}

void TestReadability::nothingIsCutOff()
{
    QFETCH(QString, language);
    QFETCH(double, scale);
    Translations::install(*qApp, QLocale(language));
    const auto english = qScopeGuard([] { Translations::install(*qApp, QLocale::c()); });
    const QFont desktop = QApplication::font();
    QFont font = desktop;
    font.setPointSizeF(desktop.pointSizeF() * scale);
    QApplication::setFont(font);
    {
        Harness h;
        QVERIFY(h.start());
        FrmOrva &w = *h.window;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // The window really is in the language of the row.
        QCOMPARE(w.CmdInvia->text() == QLatin1String("Send Parameters to Equipment !"),
                 language == QLatin1String("en"));
        for (int page = 0; page < w.SSTab1->count(); ++page) {
            w.SSTab1->setCurrentIndex(page);
            QTest::qWait(50); // laid out
            const QStringList cut = cutOff(w);
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
        }
        QCOMPARE(w.size(), QSize(636, 571)); // the window stays its size
        const QStringList cut = cutOff(*w.password());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }
    QApplication::setFont(desktop);
}

// Changes not sent are counted and marked until they are sent, and closing the
// window asks before it drops one.
void TestReadability::changesNotSentAreMarked()
{
    Harness h;
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    auto *pending = w.findChild<QLabel *>(QStringLiteral("PendingCount"));
    QCOMPARE(pending->text(), QString());
    w.TestoMarca->setText(QStringLiteral("ACME"));
    w.ListaMisura->setCurrentIndex(1);
    w.ChkEnForzatura->setChecked(true);
    QCOMPARE(pending->text(), QStringLiteral("3 changes not sent"));
    for (const Control c : {Control::TestoMarca, Control::ListaMisura, Control::ChkEnForzatura})
        QVERIFY(w.form().isPending(c));
    QVERIFY(!w.form().isPending(Control::TestoModello));
    QVERIFY(w.TestoMarca->font().bold()); // marked by more than colour
    w.ListaMisura->setCurrentIndex(0);    // back to the tester's value
    QCOMPARE(pending->text(), QStringLiteral("2 changes not sent"));
    QVERIFY(h.click(QStringLiteral("CmdInvia")));
    QCOMPARE(pending->text(), QString());
    QVERIFY(!w.form().isPending(Control::TestoMarca));
    QVERIFY(!w.TestoMarca->font().bold());
    // A reload clears them too: test_send's tester that is off.

    w.TestoModello->setText(QStringLiteral("MODEL X"));
    QCOMPARE(pending->text(), QStringLiteral("1 change not sent"));
    h.prompts.confirmAnswer = false;
    w.close();
    QCOMPARE(h.prompts.shown.size(), 1);
    QCOMPARE(h.prompts.shown[0].text,
             QStringLiteral("1 change is not sent to the equipment. Close anyway?"));
    QVERIFY(w.isVisible());
    QCOMPARE(h.endedWith, -1);
    h.prompts.confirmAnswer = true;
    w.close();
    QCOMPARE(h.prompts.shown.size(), 2);
    QCOMPARE(h.endedWith, 0);
    // Without changes it closes unasked: test_history's windows free their port so.
}

void TestReadability::testerTextsShowAsTheyAre()
{
    const QByteArray serialTail = "<b>X</b>";
    Harness h;
    const QByteArray stored = serialTail.leftJustified(16, ' ');
    h.sim.memory().replace(0x64, stored.size(), stored);
    QVERIFY(h.start());
    FrmOrva &w = *h.window;
    const QString serial = QStringLiteral("SN24") + QString::fromLatin1(serialTail);
    auto *outcome = w.findChild<QLabel *>(QStringLiteral("OutcomeText"));
    QVERIFY2(outcome->text().startsWith(QStringLiteral("Read from tester %1 at ").arg(serial)),
             qPrintable(outcome->text()));
    w.SSTab1->setCurrentIndex(2); // the history page fills in when shown
    auto *where = w.findChild<QLabel *>(QStringLiteral("HistoryLocation"));
    QTRY_VERIFY2_WITH_TIMEOUT(where->text().startsWith(QStringLiteral("Tester %1 in ").arg(serial)),
                              qPrintable(where->text()), 2000);
    // Every label of the window, these two among them, shows its text as it is.
    for (const QLabel *l : w.findChildren<QLabel *>())
        QVERIFY2(l->textFormat() == Qt::PlainText, qPrintable(l->objectName()));
}

void TestReadability::messagesShowTheirTextAsItIs()
{
    const QString text = QStringLiteral("Tester SN24<b>X</b> <img src=x> answered nothing.");
    QStringList shown;
    // Closes each message as soon as it is up; a message that never comes up returns by itself.
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(top);
            if (box && box->isVisible()) {
                shown << (box->textFormat() == Qt::PlainText ? box->text() : QString());
                box->reject();
            }
        }
    });
    closer.start();
    MessageBoxPrompts prompts;
    QVERIFY(!prompts.confirm(nullptr, QStringLiteral("ORVA"), text));
    prompts.critical(nullptr, QStringLiteral("ORVA"), text);
    prompts.warning(nullptr, QStringLiteral("ORVA"), text);
    QCOMPARE(shown, QStringList(3, text));
}

QTEST_MAIN(TestReadability)
#include "test_readability.moc"
