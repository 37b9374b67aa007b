#include "pageviewcontroller.h"

#include <QVariant>

namespace {

constexpr char pageProperty[] = "pageViewController";

} // namespace

PageViewController::PageViewController(QObject *parent)
    : QObject(parent)
{}

PageViewController::~PageViewController()
{
    delete m_view.data();
}

QWidget *PageViewController::view()
{
    if (!m_view) {
        m_view = loadView();
        m_view->setProperty(pageProperty, QVariant::fromValue(static_cast<QObject *>(this)));
    }
    return m_view;
}

PageViewController *PageViewController::parentViewController(const QWidget *view)
{
    for (const QWidget *widget = view; widget; widget = widget->parentWidget()) {
        if (auto *page = qobject_cast<PageViewController *>(
                widget->property(pageProperty).value<QObject *>()))
            return page;
    }
    return nullptr;
}
