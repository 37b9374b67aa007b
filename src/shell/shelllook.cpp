#include "shelllook.h"

#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace {

QColor grey(qreal value, qreal alpha = 1.0)
{
    return QColor::fromRgbF(float(value), float(value), float(value), float(alpha));
}

const QColor clear = Qt::transparent;

// Draws the 48-point message icons: a red disc for errors, an amber triangle for alerts, each
// with a white exclamation mark.
QPixmap messageIcon(bool isError)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(48, 48) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    if (isError) {
        painter.setBrush(QColor(214, 58, 48));
        painter.drawEllipse(QRectF(2, 2, 44, 44));
    } else {
        QPainterPath triangle;
        triangle.moveTo(24, 3);
        triangle.lineTo(46, 43);
        triangle.lineTo(2, 43);
        triangle.closeSubpath();
        painter.setBrush(QColor(240, 170, 40));
        painter.drawPath(triangle);
    }
    painter.setBrush(Qt::white);
    const qreal top = isError ? 11 : 15;
    painter.drawRoundedRect(QRectF(21.5, top, 5, isError ? 18 : 16), 2.5, 2.5);
    painter.drawEllipse(QRectF(21.5, isError ? 32 : 34, 5, 5));
    return pixmap;
}

} // namespace

ShellLook::MsgViewColors ShellLook::msgView()
{
    return {grey(0.0), grey(0.8), grey(0.2, 0.7)};
}

ShellLook::MsgButtonColors ShellLook::msgButton()
{
    return {grey(0.8), grey(0.4), grey(0.8, 0.3), grey(0.8), grey(1.0), grey(0.2)};
}

ShellLook::BasicButtonColors ShellLook::basicButton()
{
    return {clear, clear, grey(0.8), grey(1.0), grey(0.2), grey(0.8)};
}

QColor ShellLook::navigationButtonSetColor()
{
    return grey(0.4);
}

QColor ShellLook::returnButtonMouseExistBackground()
{
    return grey(0.2);
}

QColor ShellLook::editButtonMouseExistBackground()
{
    return grey(0.2);
}

ShellLook::IOButtonColors ShellLook::iOButton()
{
    return {grey(0.4), grey(1.0), grey(0.2)};
}

ShellLook::WriteButtonColors ShellLook::writeButton()
{
    return {grey(0.4), grey(0.4), grey(0.8), grey(0.2), clear, grey(0.8)};
}

ShellLook::TabButtonColors ShellLook::tabButton()
{
    return {grey(0.4), grey(0.8), grey(0.8), clear, grey(0.2), grey(1.0)};
}

ShellLook::FnButtonColors ShellLook::fnButton()
{
    return {grey(1.0), grey(0.8), grey(0.8), grey(0.8), grey(0.8),
            grey(0.8), clear,     clear,     grey(0.6), grey(0.4)};
}

QColor ShellLook::msgViewBackground()
{
    return grey(0.27);
}

QColor ShellLook::pageBackground()
{
    return grey(0.2);
}

QColor ShellLook::updateLinkColor()
{
    return QColor::fromRgbF(100.0f / 255.0f, 178.0f / 255.0f, 1.0f);
}

QGraphicsEffect *ShellLook::msgViewShadow(QWidget *owner)
{
    auto *shadow = new QGraphicsDropShadowEffect(owner);
    QColor shadowColor = msgView().shadowColor;
    shadowColor.setAlphaF(0.4f);
    shadow->setColor(shadowColor);
    shadow->setOffset(0, 3);
    shadow->setBlurRadius(6);
    return shadow;
}

qreal ShellLook::basicButtonCornerRadius()
{
    return 3.0;
}

ShellLook::ImageNames ShellLook::writeToTAVOButtonImages()
{
    return {QStringLiteral("write_to_TAVO"), QStringLiteral("write_to_TAVO_b"),
            QStringLiteral("write_to_TAVO_click")};
}

QPixmap ShellLook::image(const QString &name)
{
    if (name == QLatin1String("icn_error_48"))
        return messageIcon(true);
    if (name == QLatin1String("icn_alert_48"))
        return messageIcon(false);
    return {};
}
