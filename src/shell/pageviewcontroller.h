#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>

// A page that the main window shows: the flags the window writes before the page's view loads,
// the page's switch for the menus, and its view, built on first use.
class PageViewController : public QObject
{
    Q_OBJECT

public:
    explicit PageViewController(QObject *parent = nullptr);
    ~PageViewController() override;

    // True when the screen is narrower (lower) than the page, as the window was placed; the
    // page's scrollers themselves follow the window's size.
    bool isShowHorizontalScroll() const { return m_isShowHorizontalScroll; }
    void setIsShowHorizontalScroll(bool isShow) { m_isShowHorizontalScroll = isShow; }
    bool isShowVerticalScroll() const { return m_isShowVerticalScroll; }
    void setIsShowVerticalScroll(bool isShow) { m_isShowVerticalScroll = isShow; }
    // The size of the window's content, to which the page sizes its own.
    QSize contentViewSize() const { return m_contentViewSize; }
    void setContentViewSize(QSize size) { m_contentViewSize = size; }
    // Set before every visit: the page scrolls its content to the top once when it is shown.
    bool isNeedScroll() const { return m_isNeedScroll; }
    void setIsNeedScroll(bool isNeed) { m_isNeedScroll = isNeed; }
    // True while a message, dialog or overlay of the page is open.
    bool isShowAlert() const { return m_isShowAlert; }
    void setIsShowAlert(bool isShow) { m_isShowAlert = isShow; }

    // Sets the menu flags this page governs: all off with false, from the page's state with true.
    virtual void changeMenuStatusAndUpdateMenu(bool isEnable) = 0;

    // The page's view, loaded by loadView() on first use.
    QWidget *view();
    bool isViewLoaded() const { return !m_view.isNull(); }

    // Called once the view has been put into the window, and once it has been taken out.
    virtual void viewDidAppear() {}
    virtual void viewDidDisappear() {}

    // The page whose view holds view, looking upwards from it; none outside every page.
    static PageViewController *parentViewController(const QWidget *view);

protected:
    virtual QWidget *loadView() = 0;

private:
    bool m_isShowHorizontalScroll = false;
    bool m_isShowVerticalScroll = false;
    QSize m_contentViewSize;
    bool m_isNeedScroll = false;
    bool m_isShowAlert = false;
    QPointer<QWidget> m_view;
};
