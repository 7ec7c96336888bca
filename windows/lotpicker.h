#pragma once

#include "keydispatch.h"

#include <QList>
#include <QString>
#include <QWidget>

struct BuildingKind;
class SpokenNotice;
class SpokenSummary;
class TownState;

// The window "建設物購入" that asks on which lot to build the chosen kind. It
// stays open after each placement, so one kind can go on several lots.
class LotPicker : public QWidget {
    Q_OBJECT

public:
    // gameKeys: what the keys of the whole game do here, as in the main window.
    explicit LotPicker(TownState &town, std::vector<KeyDispatch::Handler> gameKeys = {}, QWidget *parent = nullptr);
    ~LotPicker() override;

    // The chosen kind, as the decimal text the main window's kind button gave.
    QString chosenKind() const { return m_chosenKind; }
    void setChosenKind(const QString &kind);

    // Has a screen reader speak the text from this window.
    void say(const QString &text);

private:
    const BuildingKind *chosen() const;
    QString placeOn(int lot);
    void buildAndMoveOn(int lot);
    // The first bare lot after the lot given, round past the last, or 0.
    int nextBareLot(int after) const;

    TownState &m_town;
    SpokenNotice *m_notice = nullptr;
    SpokenSummary *m_summary = nullptr;
    QList<QWidget *> m_lots;
    // Until a kind button writes the kind, nothing can be built.
    QString m_chosenKind = QStringLiteral("Text1");
};
