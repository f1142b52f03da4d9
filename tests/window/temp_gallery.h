// Test helpers for the window's panels: a gallery folder of solid-colour
// pictures written into a temporary folder, and real Qt mouse events sent
// to a control's widget.
#pragma once

#include "support/qt_events.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <string>
#include <vector>

#include "forms/control.h"

// Writes one picture per colour into root/Samples (names sort in the given
// order) and returns the gallery root.
inline std::string writeGallery(const QString& root, const std::vector<QImage>& pictures) {
    QDir().mkpath(root + "/Samples");
    for (size_t i = 0; i < pictures.size(); ++i)
        pictures[i].save(root + QString("/Samples/p%1.bmp").arg(i, 3, 10, QChar('0')), "BMP");
    return root.toStdString();
}

inline QImage solidPicture(QColor c, int w = 4, int h = 3) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

