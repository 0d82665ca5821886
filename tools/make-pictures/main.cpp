// SPDX-License-Identifier: MIT
// Draws Vindel's pictures: the four switch fronts, the banner, the icon and
// the icon at the desktop theme's sizes; and the fronts once more as BMP
// files for the Windows program, in windows/, which GDI draws straight from
// the program's resources with no picture decoder to load and run.
// Usage: vindel_make_pictures <output directory>

#include "Banner.h"
#include "FrontPanel.h"
#include "Icon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

// 96 dots per inch, so the files do not depend on the screen of whoever
// regenerates them.
constexpr int DotsPerMeter = 3780;

void Save(QImage image, const QDir& dir, const QString& name, const char* format) {
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    QImageWriter writer(dir.filePath(name), format);
    if (!writer.write(image)) {
        throw std::runtime_error(name.toStdString() + ": " + writer.errorString().toStdString());
    }
}

void Run(const QDir& dir) {
    // The frames sit exactly where the windows' layout expects the control port.
    const vindel::FrontPanelModel models[] = {
        {QStringLiteral("SG300-10"), 501, 10, 1, QRect(QPoint(385, 26), QPoint(431, 76)), 2},
        {QStringLiteral("SG300-20"), 807, 20, 2, QRect(QPoint(723, 39), QPoint(771, 79)), 4},
        {QStringLiteral("SG300-28"), 828, 28, 2, QRect(QPoint(742, 38), QPoint(787, 75)), 3},
        {QStringLiteral("SG300-52"), 829, 52, 2, QRect(QPoint(745, 39), QPoint(792, 76)), 4},
    };
    if (!dir.mkpath(QStringLiteral("windows"))) {
        throw std::runtime_error("cannot create " +
                                 dir.filePath(QStringLiteral("windows")).toStdString());
    }
    for (const auto& model : models) {
        const QImage front = vindel::FrontPanel(model).Draw();
        Save(front, dir, model.modelName + QStringLiteral(".png"), "png");
        Save(front.convertToFormat(QImage::Format_RGB888), dir,
             QStringLiteral("windows/") + model.modelName + QStringLiteral(".bmp"), "bmp");
    }
    Save(vindel::DrawBanner(), dir, QStringLiteral("banner.bmp"), "bmp");
    const QImage icon = vindel::DrawIcon();
    Save(icon, dir, QStringLiteral("icon.png"), "png");
    // The desktop theme's sizes, installed under share/icons/hicolor.
    if (!dir.mkpath(QStringLiteral("icons"))) {
        throw std::runtime_error("cannot create " +
                                 dir.filePath(QStringLiteral("icons")).toStdString());
    }
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        Save(vindel::DrawIcon(size), dir, QStringLiteral("icons/vindel-%1.png").arg(size), "png");
    }
    QFile ico(dir.filePath(QStringLiteral("vindel.ico")));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(vindel::IcoFile(icon)) < 0) {
        throw std::runtime_error("vindel.ico: " + ico.errorString().toStdString());
    }
}

}  // namespace

int main(int argc, char** argv) {
    // No screen is needed; fonts come from fontconfig all the same.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vindel_make_pictures <output directory>\n");
        return 2;
    }
    try {
        const QDir dir(QString::fromLocal8Bit(argv[1]));
        if (!dir.exists()) {
            throw std::runtime_error("no such directory: " + std::string(argv[1]));
        }
        Run(dir);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "vindel_make_pictures: %s\n", failure.what());
        return 1;
    }
    return 0;
}
