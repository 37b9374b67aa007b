#include "palettefixture.h"

#include "bottomleftspace.h"
#include "localizedstrings.h"
#include "reviewimage.h"

#include <QDrag>
#include <QMimeData>
#include <QTest>

#include <numbers>

template<typename View>
void RecordingView<View>::beginDraggingSession(QDrag *drag, Qt::DropActions supportedActions)
{
    const QMimeData *data = drag->mimeData();
    sessions.append({data->formats(), data->data(data->formats().value(0)), supportedActions,
                     drag->pixmap(), drag->hotSpot()});
    *log << QStringLiteral("drag runs");
    delete drag;
}

template class RecordingView<AssignKeyView>;
template class RecordingView<AssignEnterKeyView>;

PaletteFixture::PaletteFixture()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    auto *empty = new AssignKeyboardViewController;
    empty->resize(300, 100);
    hostPalette(empty);
    view()->installEventFilter(this);
    LocalizedStrings::setLanguage(QStringLiteral("en"));
    view()->show();
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
    const auto report = [this](const char *what, std::optional<qint32> usage) {
        log << QString(what) + ' ' + (usage ? QString::number(*usage, 16) : "none");
    };
    palette->setAfterKeySelect([report](std::optional<qint32> usage) { report("select", usage); });
    palette->setAfterKeyDecide([report](qint32 usage) { report("decide", usage); });
    palette->setAfterKeyDrag([report](std::optional<qint32> usage) { report("drag", usage); });
}

QWidget *PaletteFixture::loadView()
{
    auto *pageView = new QWidget;
    pageView->resize(400, 200);
    return pageView;
}

bool PaletteFixture::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        log << QStringLiteral("page release");
    return PageViewController::eventFilter(watched, event);
}

bool PaletteFixture::saveReviewImage(const QString &prefix)
{
    view()->setAutoFillBackground(true);
    view()->setPalette(QPalette(QColor::fromRgbF(0.5, 0.5, 0.5)));
    const QString name =
        prefix + '-' + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-') + ".png";
    return ::saveReviewImage(view()->grab().toImage(), name.toLower());
}

RecordingKey<> *PaletteFixture::addKey(qint32 usageId, double x, double y)
{
    auto *key = new RecordingKey<>(usageId);
    key->view()->log = &log;
    palette->addKey(key);
    key->assignKeyView()->drawKey(QRectF(x, y, 34, 34), 3.0, palette->paletteSpace());
    return key;
}

// The outline runs counter-clockwise with y upwards from the middle of the bottom edge; the
// inner corner of the notch turns clockwise.
RecordingKey<AssignEnterKeyView> *PaletteFixture::addEnterKey(double x, double y)
{
    constexpr double pi = std::numbers::pi;
    EnterKeyDataEntity enter;
    enter.frame = QRectF(x, y, 50, 70);
    enter.rects = {QRectF(0, 36, 50, 34), QRectF(8, 0, 42, 40)};
    enter.startPoint = QPointF(29, 0);
    enter.arcParams = {{{47, 3}, -pi / 2, 0, false}, {{47, 67}, 0, pi / 2, false},
                       {{3, 67}, pi / 2, pi, false}, {{3, 39}, pi, 3 * pi / 2, false},
                       {{5, 33}, pi / 2, 0, true},   {{11, 3}, pi, 3 * pi / 2, false}};
    enter.arcRadius = 3.0;
    auto *key = new RecordingKey<AssignEnterKeyView>(0x28);
    key->view()->log = &log;
    palette->addKey(key);
    key->view()->drawKey(enter, 34, palette->paletteSpace());
    return key;
}
