#include "palettefixture.h"

#include "bottomleftspace.h"

#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

#include <numbers>

namespace {

// The page's view: releases that the palette passes on end here.
class PageView : public QWidget
{
public:
    explicit PageView(EventLog &log)
        : m_log(log)
    {}

protected:
    void mouseReleaseEvent(QMouseEvent *) override { m_log << QStringLiteral("page release"); }

private:
    EventLog &m_log;
};

QString hex(std::optional<qint32> usage)
{
    return usage ? QString::number(*usage, 16) : QStringLiteral("none");
}

} // namespace

template<typename View>
void RecordingView<View>::beginDraggingSession(QDrag *drag, Qt::DropActions supportedActions)
{
    const QMimeData *data = drag->mimeData();
    sessions.append({data->formats(), data->data(data->formats().value(0)), supportedActions,
                     drag->pixmap(), drag->hotSpot()});
    if (log)
        *log << QStringLiteral("drag runs");
    delete drag;
}

template class RecordingView<AssignKeyView>;
template class RecordingView<AssignEnterKeyView>;

RecordingKey::RecordingKey(qint32 usageId, KeyboardColorType colorType,
                           KeyboardLayoutType layoutType)
    : QwertyAssignKeyViewController(-1, usageId, layoutType, colorType, true,
                                    new RecordingView<AssignKeyView>)
{}

RecordingView<AssignKeyView> *RecordingKey::view() const
{
    return static_cast<RecordingView<AssignKeyView> *>(assignKeyView());
}

RecordingEnterKey::RecordingEnterKey(KeyboardColorType colorType, KeyboardLayoutType layoutType)
    : QwertyAssignKeyViewController(44, 0x28, layoutType, colorType, true,
                                    new RecordingView<AssignEnterKeyView>)
{}

RecordingView<AssignEnterKeyView> *RecordingEnterKey::view() const
{
    return static_cast<RecordingView<AssignEnterKeyView> *>(assignKeyView());
}

PaletteFixture::PaletteFixture()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    auto *empty = new AssignKeyboardViewController;
    empty->resize(300, 100);
    hostPalette(empty);
}

PaletteFixture::~PaletteFixture()
{
    QLocale::setDefault(m_locale);
}

void PaletteFixture::hostPalette(AssignKeyboardViewController *newPalette)
{
    delete palette;
    palette = newPalette;
    palette->setParent(view());
    palette->move(0, 0);
    palette->show();
    view()->resize(view()->size().expandedTo(palette->size()));
    palette->setAfterKeySelect(
        [this](std::optional<qint32> usage) { log << "select " + hex(usage); });
    palette->setAfterKeyDecide([this](qint32 usage) { log << "decide " + hex(usage); });
    palette->setAfterKeyDrag([this](std::optional<qint32> usage) { log << "drag " + hex(usage); });
}

QWidget *PaletteFixture::loadView()
{
    auto *pageView = new PageView(log);
    pageView->resize(400, 200);
    return pageView;
}

bool PaletteFixture::saveReviewImage(const QString &prefix)
{
    view()->setAutoFillBackground(true);
    view()->setPalette(QPalette(QColor::fromRgbF(0.5, 0.5, 0.5)));
    const QDir folder(QStringLiteral(KEYMAP_SCREENSHOT_DIR));
    const QString name =
        prefix + '-' + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-') + ".png";
    return folder.mkpath(QStringLiteral(".")) &&
           view()->grab().save(folder.filePath(name.toLower()));
}

RecordingKey *PaletteFixture::addKey(qint32 usageId, double x, double y)
{
    auto *key = new RecordingKey(usageId);
    key->view()->log = &log;
    palette->addKey(key);
    key->assignKeyView()->drawKey(QRectF(x, y, 34, 34), 3.0, palette->paletteSpace());
    return key;
}

RecordingEnterKey *PaletteFixture::addEnterKey(double x, double y)
{
    auto *key = new RecordingEnterKey;
    key->view()->log = &log;
    palette->addKey(key);
    key->view()->drawKey(enterKey(QPointF(x, y)), 34, palette->paletteSpace());
    return key;
}

// The outline runs counter-clockwise with y upwards from the middle of the bottom edge; the
// inner corner of the notch turns clockwise.
EnterKeyDataEntity PaletteFixture::enterKey(QPointF origin)
{
    constexpr double pi = std::numbers::pi;
    EnterKeyDataEntity key;
    key.frame = QRectF(origin, QSizeF(50, 70));
    key.rects = {QRectF(0, 36, 50, 34), QRectF(8, 0, 42, 40)};
    key.startPoint = QPointF(29, 0);
    key.arcParams = {{QPointF(47, 3), -pi / 2, 0, false}, {QPointF(47, 67), 0, pi / 2, false},
                     {QPointF(3, 67), pi / 2, pi, false}, {QPointF(3, 39), pi, 3 * pi / 2, false},
                     {QPointF(5, 33), pi / 2, 0, true},   {QPointF(11, 3), pi, 3 * pi / 2, false}};
    key.arcRadius = 3.0;
    return key;
}

void sendMouse(QWidget *widget, QEvent::Type type, QPointF pos)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void sendEnter(QWidget *widget, QPointF pos)
{
    QEnterEvent event(pos, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
}

void sendHover(QWidget *widget, QPointF pos)
{
    QMouseEvent event(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void sendLeave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}
