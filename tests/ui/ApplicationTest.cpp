// The set-up every start goes through: the window's application takes the
// name of the desktop entry that is installed with it, by which a Wayland
// compositor finds the entry and the icon for the window.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QGuiApplication>

#include "ui/Application.h"

namespace zazuzar {
namespace {

TEST(SetUpApplication, NamesTheWindowAfterTheInstalledDesktopEntry) {
  SetUpApplication(*qApp);
  const QFileInfo entry(QStringLiteral(ZAZUZAR_DESKTOP_ENTRY));
  EXPECT_TRUE(entry.exists()) << "no desktop entry " << ZAZUZAR_DESKTOP_ENTRY;
  EXPECT_EQ(QGuiApplication::desktopFileName(), entry.completeBaseName());
}

}  // namespace
}  // namespace zazuzar
