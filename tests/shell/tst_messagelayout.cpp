#include "appdelegate.h"
#include "interfacefont.h"
#include "localizedstrings.h"
#include "messagecatalogue.h"
#include "messagemodalfactory.h"
#include "messagewindowctl.h"
#include "msgpanel.h"
#include "msgviewctrl.h"
#include "numberedmessages.h"
#include "progresspageviewcontroller.h"
#include "reviewimage.h"
#include "updateresultwindow.h"
#include "updateresultwindowcontroller.h"
#include "wrappedlabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QTest>

#include <memory>

namespace {

// Why a shown text does not fit its widget, or nothing when it fits.
QString misfit(const QWidget &widget)
{
    const QRectF room = widget.contentsRect();
    if (const auto *wrapped = qobject_cast<const WrappedLabel *>(&widget)) {
        const QFontMetricsF metrics(wrapped->font());
        const QStringList lines = wrapped->lines(wrapped->width());
        if (metrics.lineSpacing() * lines.size() > room.height() + 0.5)
            return QStringLiteral("%1 lines do not fit %2 px").arg(lines.size()).arg(room.height());
        for (const QString &line : lines) {
            if (metrics.horizontalAdvance(line) > room.width())
                return "too wide: " + line;
        }
        return {};
    }
    const QSize needed = widget.sizeHint();
    if (needed.width() > widget.width() || needed.height() > widget.height())
        return QStringLiteral("needs %1 x %2, has %3 x %4")
            .arg(needed.width())
            .arg(needed.height())
            .arg(widget.width())
            .arg(widget.height());
    return {};
}

QString panelName(int number)
{
    if (number > 0)
        return QString::number(number);
    return number == 0 ? QStringLiteral("update") : QStringLiteral("progress");
}

QString textOf(const QWidget &widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return button->text();
    return {};
}

} // namespace

// The numbered messages, the update-result panel and the progress page read whole at the common
// desktop font sizes, in English and Japanese: every text lies inside its widget and every widget
// inside its panel, and no line of a message is left with one or two characters. CTest runs it at
// device pixel ratios 1 and 2; it writes a picture of each panel into build/screenshots/layout.
class tst_MessageLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InterfaceFont::apply(); }

    void cleanup()
    {
        m_window.reset();
        LocalizedStrings::setLanguage(QStringLiteral("en"));
    }

    void panels_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<QString>("language");
        // A message number, 0 for the update-result panel with both links, -1 for the progress page
        // of a firmware update.
        QTest::addColumn<int>("number");
        for (const int pointSize : {9, 11, 14}) {
            for (const QString language : {"en", "ja"}) {
                for (const MessageCatalogue::Entry &message : MessageCatalogue::entries())
                    QTest::addRow("%d %s %dpt", message.number, qPrintable(language), pointSize)
                        << pointSize << language << message.number;
                QTest::addRow("update result %s %dpt", qPrintable(language), pointSize)
                    << pointSize << language << 0;
                QTest::addRow("progress %s %dpt", qPrintable(language), pointSize)
                    << pointSize << language << -1;
            }
        }
    }

    void panels()
    {
        QFETCH(int, pointSize);
        QFETCH(QString, language);
        QFETCH(int, number);
        LocalizedStrings::setLanguage(language);
        QFont font = InterfaceFont::font();
        font.setPointSize(pointSize);
        QApplication::setFont(font);
        m_window = std::make_unique<QWidget>();
        m_window->resize(1360, 1000);
        m_window->show();
        AppDelegate::setCurrentWindow(m_window.get());
        const QString picture = QStringLiteral("%1_%2_%3pt_x%4.png")
                                    .arg(panelName(number), language)
                                    .arg(pointSize)
                                    .arg(m_window->devicePixelRatio());

        if (number < 0) {
            ProgressPageViewController progress;
            progress.attach(m_window.get());
            progress.show(LocalizedStrings::text("MainView_Writing_MainMessage"),
                          LocalizedStrings::text("MainView_Writing_SubMessage"), "42%");
            checkPanel(*progress.view()->panel(), picture);
            return;
        }
        if (number == 0) {
            UpdateResultWindowController result;
            result.setIsKeymapVersionLatest(false);
            result.setIsTAVOVersionLatest(false);
            result.updateVersion();
            result.showIn(*m_window);
            checkPanel(*result.window(), picture);
            return;
        }
        MessageModalFactory factory;
        QVERIFY(NumberedMessages::show(factory, number, [](MessageModalResponseType) {}));
        checkPanel(*factory.msgAlertView(), picture);
        const WrappedLabel *text = factory.messageWindowCtrl().labelMsg();
        for (const QString &line : text->lines(text->width()))
            QVERIFY2(line.size() >= 3, qPrintable(text->lines(text->width()).join(u'/')));
    }

private:
    // Checks that every shown text of panel fits, and saves a picture of it.
    void checkPanel(QWidget &panel, const QString &pictureName);

    std::unique_ptr<QWidget> m_window;
};
void tst_MessageLayout::checkPanel(QWidget &panel, const QString &pictureName)
{
    QVERIFY(panel.isVisible());
    QVERIFY(m_window->rect().contains(panel.geometry()));
    for (const QWidget *child : panel.findChildren<QWidget *>()) {
        if (!child->isVisibleTo(&panel) || (textOf(*child).isEmpty() && !child->inherits("QLabel")))
            continue;
        const QRect place(child->mapTo(&panel, QPoint()), child->size());
        QVERIFY2(panel.rect().contains(place), qPrintable(textOf(*child)));
        const QString problem = misfit(*child);
        QVERIFY2(problem.isEmpty(), qPrintable(textOf(*child) + ": " + problem));
    }
    QVERIFY(saveReviewImage(m_window->grab(panel.geometry().adjusted(-8, -8, 8, 8)).toImage(),
                            "layout/" + pictureName));
}

QTEST_MAIN(tst_MessageLayout)
#include "tst_messagelayout.moc"
