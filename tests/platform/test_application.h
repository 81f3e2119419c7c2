#pragma once

#include <QApplication>

#include <gtest/gtest.h>

// The one QApplication of a test program; Qt wants it alive until the very end.
inline QApplication &TestApplication() {
    static int Argc = 1;
    static char Name[] = "tavrel";
    static char *Argv[] = {Name, nullptr};
    static auto *Application = new QApplication(Argc, Argv);
    return *Application;
}

// A fixture whose widget members are built after the application.
class TWidgetTest : public ::testing::Test {
protected:
    TWidgetTest() { TestApplication(); }
};
