#pragma once

#include "keyboardpageinterface.h"
#include "keyboardpageview.h"
#include "keyboardpanels.h"
#include "mainwindowpage.h"
#include "pointingsticklayer.h"

#include <QPointer>

#include <memory>
#include <utility>

// The page pattern of the pages that show the connected keyboard read-only, the start page and
// the firmware-update page: a page of the main window (scrolling frame, progress page, menus)
// whose content is a KeyboardPageView carrying the KeyboardPanels, and which answers what the
// panels ask of their page.
//
// A page builds its content in loadView(): it makes its own KeyboardPageView (or a subclass
// with its own controls), calls buildPanels() on it and returns frameView() of it. The panels,
// and with them the profile list and the tabs, exist from then on; updateSelectProfileName()
// is the page's own, as it knows which profiles it shows.
template<class Interface>
class KeyboardPage : public MainWindowPage<Interface>, public KeyboardPageInterface
{
public:
    using MainWindowPage<Interface>::MainWindowPage;

    bool isKeymapPage() const override { return false; }
    void showProfileList() override { m_panels->showProfileList(); }
    void hideProfileList() override
    {
        if (m_panels)
            m_panels->hideProfileList();
    }
    void setPointLayerHidden(bool hidden) override
    {
        if (m_pageView)
            m_pageView->pointLayer()->setHidden(hidden);
    }

    // The panels; only once the view has loaded.
    KeyboardPanels &panels() const { return *m_panels; }
    bool hasPanels() const { return m_panels != nullptr; }

protected:
    // Wraps a completion of a message or of the driver, which may answer later, so that it does
    // nothing once the page is gone.
    template<class Function>
    auto guarded(Function completion)
    {
        return [page = QPointer<PageViewController>(this),
                completion = std::move(completion)](auto &&...arguments) {
            if (page)
                completion(std::forward<decltype(arguments)>(arguments)...);
        };
    }

    // Builds the panels on pageView, showing the given DIP switches and pointing-stick state,
    // and lets a press on the page close the profile list.
    void buildPanels(KeyboardPageView *pageView, const QList<bool> &dipSwitch,
                     bool pointingStickState)
    {
        m_pageView = pageView;
        m_panels =
            std::make_unique<KeyboardPanels>(*this, *pageView, dipSwitch, pointingStickState);
        pageView->setOnMouseDown([this] { m_panels->mouseDown(); });
    }

private:
    KeyboardPageView *m_pageView = nullptr;
    std::unique_ptr<KeyboardPanels> m_panels;
};
