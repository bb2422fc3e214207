#include <QTest>
#include <cmath>

#include "client/app/workstation/money.h"

class MoneyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { BicimYereliAyarla(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void rounding_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        // Doubles just below a half (1.005 is 1.00499999999999989...) still round up.
        QTest::newRow("1.005") << 1.005 << 1.01;
        QTest::newRow("12.006") << 12.006 << 12.01;
        QTest::newRow("2.675") << 2.675 << 2.68;
        QTest::newRow("-2.675") << -2.675 << -2.68;
        QTest::newRow("-0.005") << -0.005 << -0.01;
        QTest::newRow("0.125") << 0.125 << 0.13;
        QTest::newRow("0.004") << 0.004 << 0.0;
        QTest::newRow("-0.004 (no negative zero)") << -0.004 << 0.0;
        QTest::newRow("999.995") << 999.995 << 1000.0;
        QTest::newRow("1e12") << 1e12 << 1e12;
        QTest::newRow("0") << 0.0 << 0.0;
        QTest::newRow("sum 0.1 + 0.2") << 0.1 + 0.2 << 0.3;
        QTest::newRow("1.3 * 1.2") << 1.3 * 1.2 << 1.56;
        QTest::newRow("tiny") << 1e-300 << 0.0;
    }

    void rounding() {
        QFETCH(double, value);
        QFETCH(double, expected);
        const double rounded = IkiHaneYuvarla(value);
        QCOMPARE(rounded, expected);
        QCOMPARE(std::signbit(rounded), std::signbit(expected));
    }

    void format_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        const QString money = kParaDeseni.toString();
        const QString total = kGenelToplamDeseni.toString();
        QTest::newRow("grouped") << 1234567.891 << money << QStringLiteral("1.234.567,89");
        QTest::newRow("zero") << 0.0 << money << QStringLiteral("0,00");
        QTest::newRow("below one") << 0.5 << money << QStringLiteral("0,50");
        QTest::newRow("1.005") << 1.005 << money << QStringLiteral("1,01");
        QTest::newRow("0.125") << 0.125 << money << QStringLiteral("0,13");
        QTest::newRow("carry into a new group")
            << 999999.995 << money << QStringLiteral("1.000.000,00");
        QTest::newRow("1e12") << 1e12 << money << QStringLiteral("1.000.000.000.000,00");
        QTest::newRow("negative") << -1234.5 << money << QStringLiteral("-1.234,50");
        QTest::newRow("negative half") << -0.005 << money << QStringLiteral("-0,01");
        QTest::newRow("negative rounding to zero") << -0.004 << money << QStringLiteral("0,00");
        QTest::newRow("two integer digits") << 5.0 << total << QStringLiteral("05,00");
        QTest::newRow("two integer digits, 5.5") << 5.5 << total << QStringLiteral("05,50");
        QTest::newRow("two integer digits, zero") << 0.0 << total << QStringLiteral("00,00");
        QTest::newRow("two integer digits, negative") << -5.0 << total << QStringLiteral("-05,00");
        QTest::newRow("two integer digits, grouped")
            << 1234.0 << total << QStringLiteral("1.234,00");
        QTest::newRow("no integer digit") << 0.5 << QStringLiteral("#.00") << QStringLiteral(",50");
        QTest::newRow("optional decimals")
            << 2.5 << QStringLiteral("0.##") << QStringLiteral("2,5");
        QTest::newRow("optional decimals, whole")
            << 2.0 << QStringLiteral("0.##") << QStringLiteral("2");
        QTest::newRow("no decimals, halves up")
            << 2.5 << QStringLiteral("#,##0") << QStringLiteral("3");
    }

    void format() {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(ParaBicimle(value, pattern), expected);
    }

    void defaultPatternIsMoney() { QCOMPARE(ParaBicimle(1234.5), QStringLiteral("1.234,50")); }

    void localeSeparators() {
        BicimYereliAyarla(QLocale::c());
        QCOMPARE(ParaBicimle(1234567.891), QStringLiteral("1,234,567.89"));
    }

    // The displayed amount and the rounded running sum must never disagree by a cent.
    void formatterAndRoundingAgree() {
        BicimYereliAyarla(QLocale::c());
        for (int thousandths = -100000; thousandths <= 100000; ++thousandths) {
            const double value = thousandths / 1000.0;
            const QString shown = ParaBicimle(value, u"0.00");
            const QString rounded = QString::number(IkiHaneYuvarla(value), 'f', 2);
            if (shown != rounded) {
                QFAIL(qPrintable(QStringLiteral("%1: shown %2, rounded %3")
                                     .arg(value, 0, 'g', 17)
                                     .arg(shown, rounded)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(MoneyTest)
#include "tst_money.moc"
