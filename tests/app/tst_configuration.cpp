// Configuration overrides: options win over the environment, malformed values are refused.
#include <QTest>

#include "client/app/configuration.h"

class TestConfiguration : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void overrides_data();
    void overrides();
    void webSiteName_data();
    void webSiteName();
};

void TestConfiguration::overrides_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("webBase");
    QTest::addColumn<QString>("computerId");
    QTest::addColumn<int>("problems");

    const auto d = app::Configuration::defaults();
    QTest::newRow("defaults") << QStringList{} << QStringList{} << d.serverHost << 9090 << d.webBase
                              << QString() << 0;
    QTest::newRow("option with port")
        << QStringList{"--server", "10.1.2.3:7000"} << QStringList{} << "10.1.2.3" << 7000
        << "https://10.1.2.3/" << QString() << 0;
    QTest::newRow("environment without port")
        << QStringList{} << QStringList{"VARLENTA_SERVER=bayi.local"} << "bayi.local" << 9090
        << "https://bayi.local/" << QString() << 0;
    QTest::newRow("option wins over environment")
        << QStringList{"--server=a.local:1"} << QStringList{"VARLENTA_SERVER=b.local:2"}
        << "a.local" << 1 << "https://a.local/" << QString() << 0;
    QTest::newRow("ipv6") << QStringList{"--server", "[::1]:9091"} << QStringList{} << "::1" << 9091
                          << "https://::1/" << QString() << 0;
    QTest::newRow("bad port ignored") << QStringList{"--server", "host:99999"} << QStringList{}
                                      << d.serverHost << 9090 << d.webBase << QString() << 1;
    QTest::newRow("web base and id")
        << QStringList{"--web-base", "http://127.0.0.1:8080", "--computer-id", "AB 12"}
        << QStringList{} << d.serverHost << 9090 << "http://127.0.0.1:8080/"
        << "AB12" << 0;
    QTest::newRow("bad web base") << QStringList{} << QStringList{"VARLENTA_WEB_BASE=ftp://x"}
                                  << d.serverHost << 9090 << d.webBase << QString() << 1;
}

void TestConfiguration::overrides() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QProcessEnvironment env;
    for (const QString& kv : environment) {
        env.insert(kv.section(u'=', 0, 0), kv.section(u'=', 1));
    }
    QStringList problems;
    const auto c = app::Configuration::fromOverrides(arguments, env, &problems);
    QTEST(c.serverHost, "host");
    QTEST(int(c.serverPort), "port");
    QTEST(c.webBase, "webBase");
    QTEST(c.computerId, "computerId");
    QTEST(int(problems.size()), "problems");
}

void TestConfiguration::webSiteName_data() {
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("url");
    QTest::newRow("domain") << "bayi.com.tr"
                            << "www.bayi.com.tr"
                            << "http://www.bayi.com.tr/";
    QTest::newRow("has www") << "www.bayi.com.tr"
                             << "www.bayi.com.tr"
                             << "http://www.bayi.com.tr/";
    QTest::newRow("address") << "127.0.0.1:9090"
                             << "127.0.0.1"
                             << "http://127.0.0.1/";
}

void TestConfiguration::webSiteName() {
    QFETCH(QString, server);
    const auto c = app::Configuration::fromOverrides({"--server", server}, {});
    QTEST(c.webSiteName(), "name");
    QTEST(c.webSiteUrl(), "url");
}

QTEST_GUILESS_MAIN(TestConfiguration)
#include "tst_configuration.moc"
