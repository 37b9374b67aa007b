#pragma once

class PageViewController;

// What a page does when the keyboard's resources cannot be read or its data cannot be shown:
// message 9012 comes up, and the program ends whatever the answer.
class SeriousError
{
public:
    SeriousError() = delete;

    // Message 9012 over page, whose alert flag stays set; then the program ends.
    static void show(PageViewController &page);
    // Ends the program through the application delegate, when there is one.
    static void terminateApplication();
};
