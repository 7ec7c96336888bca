#pragma once

#include <QIconEngine>
#include <QImage>

// An icon that stays sharp at any size Qt asks for: a kind button's picture
// is enlarged by repeating pixels, never smoothed.
class PixelArtIconEngine : public QIconEngine {
public:
    explicit PixelArtIconEngine(QImage image);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    QImage m_image;
};
