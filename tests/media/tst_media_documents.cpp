#include <QDate>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent/QtConcurrentMap>

#include "media_samples.h"
#include "server/media/media.h"

using namespace media;

namespace {

bool looksLikePdf(const QByteArray& pdf) {
    return pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF");
}

/// The text of the given pages (1-based, inclusive) as pdftotext lays it out; a null string
/// when poppler's tools are not installed.
QString pdfText(const QByteArray& pdf, int firstPage = 0, int lastPage = 0) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return QString();
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("doc.pdf")));
    file.open(QIODevice::WriteOnly);
    file.write(pdf);
    file.close();
    QStringList args{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (firstPage > 0)
        args << QStringLiteral("-f") << QString::number(firstPage);
    if (lastPage > 0)
        args << QStringLiteral("-l") << QString::number(lastPage);
    QProcess process;
    process.start(tool, args << file.fileName() << QStringLiteral("-"));
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

/// First page as a PNG under the samples folder, when pdftoppm is there.
void saveFirstPage(const QByteArray& pdf, const QString& name) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty())
        return;
    const QString pdfPath = mediaSampleDir() + u'/' + name + QStringLiteral(".pdf");
    QFile file(pdfPath);
    file.open(QIODevice::WriteOnly);
    file.write(pdf);
    file.close();
    QProcess::execute(
        tool, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
               QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
               QStringLiteral("-singlefile"), pdfPath, mediaSampleDir() + u'/' + name});
}

ReportDocument statementReport(int rowCount) {
    ReportDocument report;
    report.issuer = QStringLiteral("VARLENTA OTOMOTİV YEDEK PARÇA");
    report.title = QStringLiteral("Cari Özeti");
    report.subtitle = QStringLiteral("120.01.034 ŞAHİN OTO ÇIKMA PARÇA • 01.03.2026 / 31.03.2026");
    report.columns = {QStringLiteral("Tarih"),    QStringLiteral("Tür Adı"),
                      QStringLiteral("Evrak No"), QStringLiteral("Açıklama"),
                      QStringLiteral("Borç"),     QStringLiteral("Alacak"),
                      QStringLiteral("Bakiye")};
    report.moneyColumns = {4, 5, 6};
    double balance = 0;
    for (int i = 0; i < rowCount; ++i) {
        const double debit = i % 3 == 2 ? 0.0 : 1234.56 + i;
        const double credit = i % 3 == 2 ? 2000.0 : 0.0;
        balance += debit - credit;
        report.rows.append(
            {QDate(2026, 3, 1).addDays(i % 31),
             i % 3 == 2 ? QStringLiteral("Tahsilat") : QStringLiteral("Satış Faturası"),
             QStringLiteral("SF%1").arg(260000 + i), QStringLiteral("Yağ değişimi ürünleri"), debit,
             credit, balance});
    }
    report.totals = {
        QStringLiteral("Toplam"), QVariant(), QVariant(), QVariant(), 1234.56 * 2, 2000.0, balance};
    report.printedAt = QDateTime(QDate(2026, 4, 2), QTime(9, 30));
    return report;
}

}  // namespace

class MediaDocumentsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void moneyText_data() {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0,00";
        QTest::newRow("thousands") << 1234.5 << "1.234,50";
        QTest::newRow("millions, negative") << -1234567.891 << "-1.234.567,89";
        QTest::newRow("binary half rounds up") << 1.005 << "1,01";
        QTest::newRow("12.006") << 12.006 << "12,01";
        QTest::newRow("negative half away from zero") << -2.675 << "-2,68";
        QTest::newRow("tiny negative is zero") << -0.004 << "0,00";
    }
    void moneyText() {
        QFETCH(double, amount);
        QFETCH(QString, text);
        QCOMPARE(formatMoney(amount), text);
    }

    void reportPagesRepeatTheHeaderAndCount() {
        // Enough rows for a second page but not a third.
        const ReportDocument report = statementReport(60);
        const QByteArray pdf = renderReportPdf(report);
        QVERIFY(looksLikePdf(pdf));
        QVERIFY2(pdf.size() < 150 * 1024, qPrintable(QString::number(pdf.size())));
        saveFirstPage(pdf, QStringLiteral("report-first-page"));

        const QString all = pdfText(pdf);
        if (all.isNull())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(all.contains(QStringLiteral("Cari Özeti")));
        QVERIFY(all.contains(QStringLiteral("ŞAHİN OTO ÇIKMA PARÇA")));
        QVERIFY(all.contains(QStringLiteral("Yağ değişimi ürünleri")));
        QVERIFY(all.contains(QStringLiteral("1.234,56")));
        QVERIFY(all.contains(QStringLiteral("Sayfa 1 / 2")));
        QVERIFY(all.contains(QStringLiteral("Sayfa 2 / 2")));
        QVERIFY(!all.contains(QStringLiteral("Sayfa 3")));
        const QString second = pdfText(pdf, 2, 2);
        QVERIFY2(second.contains(QStringLiteral("Alacak")), "column headers on page 2");
        QVERIFY(second.contains(QStringLiteral("Toplam")));
        QVERIFY(!pdfText(pdf, 1, 1).contains(QStringLiteral("Toplam")));
    }

    void emptyReportSaysSoOnOnePage() {
        ReportDocument report = statementReport(0);
        report.totals = {QStringLiteral("Toplam"), {}, {}, {}, 0.0, 0.0, 0.0};
        const QByteArray pdf = renderReportPdf(report);
        QVERIFY(looksLikePdf(pdf));
        const QString text = pdfText(pdf);
        if (text.isNull())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(text.contains(QStringLiteral("kayıt yok")));
        QVERIFY(text.contains(QStringLiteral("Sayfa 1 / 1")));
    }

    void longReportInLandscape() {
        ReportDocument report = statementReport(400);
        report.landscape = true;
        report.rows[5][3] = QString(300, u'x');  // a cell far wider than its column
        const QByteArray pdf = renderReportPdf(report);
        QVERIFY(looksLikePdf(pdf));
        const QString text = pdfText(pdf);
        if (text.isNull())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const int pages = int(text.count(QChar(u'\f')));
        QVERIFY2(pages > 2, qPrintable(QString::number(pages)));
        QVERIFY(text.contains(QStringLiteral("Sayfa %1 / %1").arg(pages)));
        QVERIFY(!text.contains(QString(300, u'x')));
    }

    void documentsRenderOnWorkerThreads() {
        const QList<int> accounts{1, 2, 3, 4, 5, 6};
        const QList<QByteArray> pdfs = QtConcurrent::blockingMapped(accounts, [](int account) {
            ReportDocument report = statementReport(30);
            report.subtitle = QStringLiteral("Cari %1").arg(account);
            return renderReportPdf(report);
        });
        for (int i = 0; i < pdfs.size(); ++i) {
            QVERIFY(looksLikePdf(pdfs[i]));
            const QString text = pdfText(pdfs[i]);
            if (!text.isNull())
                QVERIFY(text.contains(QStringLiteral("Cari %1").arg(accounts[i])));
        }
    }

    void cardNumberIsMasked_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("masked");
        QTest::newRow("16 digits") << "4543601234561234"
                                   << "4543 **** **** 1234";
        QTest::newRow("with blanks and dashes") << "4543 6012-3456 1234"
                                                << "4543 **** **** 1234";
        QTest::newRow("already masked") << "454360******1234"
                                        << "4543 **** **** 1234";
        QTest::newRow("15 digits") << "378282246310005"
                                   << "3782 **** ***0 005";
        QTest::newRow("short") << "12345678"
                               << "**** 5678";
        QTest::newRow("four digits") << "1234"
                                     << "****";
        QTest::newRow("empty") << ""
                               << "";
    }
    void cardNumberIsMasked() {
        QFETCH(QString, number);
        QFETCH(QString, masked);
        QCOMPARE(maskCardNumber(number), masked);
    }

    void receiptCarriesThePayment() {
        CardReceipt receipt;
        receipt.dealerName = QStringLiteral("VARLENTA OTOMOTİV YEDEK PARÇA");
        receipt.accountCode = QStringLiteral("120.01.034");
        receipt.accountName = QStringLiteral("ŞAHİN OTO ÇIKMA PARÇA LTD. ŞTİ.");
        receipt.cardHolder = QStringLiteral("AYŞEGÜL IŞIK");
        receipt.cardNumber = QStringLiteral("4543601234561234");
        receipt.amount = 1234.56;
        receipt.installments = 3;
        receipt.paidAt = QDateTime(QDate(2026, 3, 14), QTime(15, 42, 7));
        receipt.authorisationCode = QStringLiteral("T48213");
        receipt.paymentNumber = 100245;
        receipt.description = QStringLiteral("Mart ayı cari hesap ödemesi");
        const QByteArray pdf = renderCardReceiptPdf(receipt);
        QVERIFY(looksLikePdf(pdf));
        QVERIFY2(pdf.size() < 100 * 1024, qPrintable(QString::number(pdf.size())));
        saveFirstPage(pdf, QStringLiteral("receipt"));

        const QString text = pdfText(pdf);
        if (text.isNull())
            QSKIP("pdftotext (poppler-utils) is not installed");
        for (const QString& expected :
             {QStringLiteral("VARLENTA OTOMOTİV YEDEK PARÇA"), QStringLiteral("120.01.034"),
              QStringLiteral("ŞAHİN OTO ÇIKMA PARÇA LTD. ŞTİ."), QStringLiteral("AYŞEGÜL IŞIK"),
              QStringLiteral("4543 **** **** 1234"), QStringLiteral("1.234,56 TL"),
              QStringLiteral("14.03.2026 15:42:07"), QStringLiteral("T48213"),
              QStringLiteral("100245"), QStringLiteral("3 taksit")})
            QVERIFY2(text.contains(expected), qPrintable(expected));
        QVERIFY(!text.contains(QStringLiteral("6012")));
        QVERIFY(!pdf.contains("4543601234561234"));
    }
};

QTEST_MAIN(MediaDocumentsTest)
#include "tst_media_documents.moc"
