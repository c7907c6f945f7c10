// The set-up every start goes through: the window's application takes the
// name of the desktop entry that is installed with it, by which a Wayland
// compositor finds the entry and the icon for the window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include "ui/Application.h"

namespace zazuzar {
namespace {

TEST(SetUpApplication, NamesTheWindowAfterTheInstalledDesktopEntry) {
  SetUpApplication(*qApp);
  const QString name = QGuiApplication::desktopFileName();
  EXPECT_EQ(name, QStringLiteral("org.zazuzar.zazuzar"));
  const QDir source = QFileInfo(QStringLiteral(__FILE__)).dir();
  EXPECT_TRUE(
      QFileInfo::exists(source.filePath(QStringLiteral("../../packaging/%1.desktop").arg(name))))
      << "no desktop entry packaging/" << name.toStdString() << ".desktop";
}

}  // namespace
}  // namespace zazuzar
