#include "catalogue.h"
#include "lotnames.h"
#include "placement.h"
#include "townstate.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <utility>

// What a Windows screen reader gets through UI Automation, read from outside
// by the walker while it plays: the main window, the picker, and a build.
class UiaWalkTest : public QObject {
    Q_OBJECT

    struct Element {
        QString type;
        QString name;
    };
    // Each walk: every window's elements, by the window's name.
    QList<QHash<QString, QList<Element>>> m_walks;
    QStringList m_events;

    int count(int walk, const QString &window, const QString &type, const QString &name) const
    {
        int found = 0;
        for (const Element &element : m_walks.value(walk).value(window))
            found += element.type == type && element.name == name;
        return found;
    }

private slots:
    void initTestCase()
    {
        // Builds on lot 1 by a click, then again by N, which moves on to lot 2.
        QProcess walker;
        walker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        walker.start(QStringLiteral(KESTAVINE_UIAWALK),
                     {QStringLiteral("--start"), QStringLiteral(KESTAVINE_GAME), QStringLiteral("wait"), kLandPrice,
                      QStringLiteral("walk"), QStringLiteral("press"), name(kCatalogue[0]), QStringLiteral("wait"),
                      kPicker, QStringLiteral("walk"), QStringLiteral("events"), QStringLiteral("press"),
                      lotAccessibleName(TownState(), 1), QStringLiteral("sleep"), QStringLiteral("1500"),
                      QStringLiteral("key"), QStringLiteral("n"), QStringLiteral("sleep"), QStringLiteral("2000"),
                      QStringLiteral("walk")});
        QVERIFY(walker.waitForFinished(300000));
        const QString output = QString::fromUtf8(walker.readAllStandardOutput());
        QCOMPARE(walker.exitCode(), 0);

        static const QRegularExpression element(QStringLiteral("^( *)(\\w+) \"((?:[^\"\\\\]|\\\\.)*)\""));
        QString window;
        bool walkEnded = true;
        for (const QString &line : output.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("event ")))
                m_events << line;
            // Each walk ends with an empty line.
            walkEnded = walkEnded || line.isEmpty();
            const QRegularExpressionMatch match = element.match(line);
            if (!match.hasMatch())
                continue;
            if (std::exchange(walkEnded, false))
                m_walks.append(QHash<QString, QList<Element>>());
            const QString name = match.captured(3).replace(QStringLiteral("\\\""), QStringLiteral("\""));
            if (match.capturedLength(1) == 0)
                window = name;
            m_walks.last()[window].append({match.captured(2), name});
        }
        QCOMPARE(m_walks.size(), 3);
    }

    // Each control of the main window is read as what it is, by a name no other shares.
    void mainWindowReadsEachControl_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        for (const BuildingKind &kind : kCatalogue)
            QTest::addRow("kind %d", kind.number) << QStringLiteral("Button") << name(kind);
        for (int lot = 1; lot <= kLotCount; ++lot)
            QTest::addRow("lot %d", lot) << QStringLiteral("Image") << lotAccessibleName(TownState(), lot);
        QTest::newRow("Option1") << QStringLiteral("RadioButton") << QStringLiteral("ストップ");
        QTest::newRow("Option2") << QStringLiteral("RadioButton") << QStringLiteral("スタート");
        int number = 31;
        for (const QString &command : {kLandPrice, QStringLiteral("基本設定"), QStringLiteral("終了"),
                                       QStringLiteral("ヘルプ")})
            QTest::addRow("Command%d", number++) << QStringLiteral("Button") << command;
        QTest::newRow("Line1") << QStringLiteral("Separator") << QString();
    }
    void mainWindowReadsEachControl()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QCOMPARE(count(0, kMainWindow, type, name), 1);
    }

    // Each figure is one element that says its caption and its value.
    void figuresReadWithTheirCaptions_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("balance") << QStringLiteral("残高");
        QTest::newRow("population") << QStringLiteral("人口");
        QTest::newRow("year") << QStringLiteral("年");
    }
    void figuresReadWithTheirCaptions()
    {
        QFETCH(QString, caption);
        const QRegularExpression figure(QStringLiteral("^%1 -?\\d+$").arg(caption));
        const QList<Element> &elements = m_walks[0][kMainWindow];
        QVERIFY(std::any_of(elements.begin(), elements.end(), [&](const Element &element) {
            return element.type == QLatin1String("Text") && figure.match(element.name).hasMatch();
        }));
    }

    // The picker offers each lot by what stands on it, and its way out.
    void pickerReadsEachLot()
    {
        for (int lot = 1; lot <= kLotCount; ++lot)
            QCOMPARE(count(1, kPicker, QStringLiteral("Button"), lotAccessibleName(TownState(), lot)), 1);
        QCOMPARE(count(1, kPicker, QStringLiteral("Button"), QStringLiteral("キャンセル")), 1);
    }

    // A build renames its lot in both windows, and N's move on reaches a client as focus.
    void buildReachesAReader()
    {
        TownState built;
        placeBuilding(built, "1", 1);
        QCOMPARE(count(2, kPicker, QStringLiteral("Button"), lotAccessibleName(built, 1)), 1);
        QCOMPARE(count(2, kMainWindow, QStringLiteral("Image"), lotAccessibleName(built, 1)), 1);
        QVERIFY2(m_events.contains(QStringLiteral("event Focus Button \"%1\"").arg(lotAccessibleName(built, 2))),
                 qPrintable(m_events.join(QLatin1Char('\n'))));
    }

private:
    static QString name(const BuildingKind &kind) { return QString::fromUtf8(kind.name.data(), kind.name.size()); }

    const QString kMainWindow = QStringLiteral("VELDORAKS   kestavine    ");
    const QString kPicker = QStringLiteral("建設物購入");
    const QString kLandPrice = QStringLiteral("地価");
};

QTEST_GUILESS_MAIN(UiaWalkTest)
#include "tst_uiawalk.moc"
