// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A picture on a form, drawn at its top-left corner; clicking it runs OnClick.

#include <QImage>
#include <QWidget>
#include <functional>

class TImage : public QWidget {
public:
    explicit TImage(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    // Scales the picture to the widget instead of drawing it at its own size.
    bool Stretch = false;

    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QImage picture_;
};
