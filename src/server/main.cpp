#include <QGuiApplication>
#include <csignal>
#include <cstdio>

#include "client/app/workstation/identity.h"
#include "server/admin/admin_commands.h"
#include "server/demo/demo_data.h"
#include "server/dispatch/dispatcher.h"
#include "server/net/listener.h"
#include "server/server_options.h"
#include "server/storage/connection_pool.h"
#include "server/storage/schema.h"
#include "wire/error.h"

namespace {

server::Listener* gListener = nullptr;

void onTerminate(int) {
    if (gListener)
        gListener->stop();
}

int serve(const server::ServerOptions& options) {
    server::ConnectionPool pool(options.database);
    {
        server::Session& session = pool.sessionForThisThread();
        const int applied = server::migrate(session);
        if (applied > 0)
            std::fprintf(stderr, "varlenta-server: %s: schema brought to version %d\n",
                         qPrintable(options.database.display()), server::schemaVersion(session));
        if (options.demoItems > 0) {
            server::DemoOptions demo;
            demo.stockItems = options.demoItems;
            demo.today = options.demoDate;
            demo.localComputerId = BilgisayarIdAl();
            const server::DemoSummary s = server::fillDemoData(session, demo);
            if (s.stockItems > 0)
                std::fprintf(stderr,
                             "varlenta-server: demo data: %d stock items, %d accounts, %d users, "
                             "%d orders, %d statement movements; this computer (%s) logs in as "
                             "DEMO / DEMO\n",
                             s.stockItems, s.accounts, s.users, s.orders, s.movements,
                             qPrintable(demo.localComputerId));
        }
        pool.releaseThisThread();
    }

    server::Dispatcher dispatcher(pool, options.settings);
    server::Listener listener(options.listener, dispatcher);
    const quint16 port = listener.bind();
    gListener = &listener;
    struct sigaction action {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::printf("listening on %s:%u\n", qPrintable(listener.boundHost()), unsigned(port));
    std::fflush(stdout);
    listener.run();
    gListener = nullptr;
    std::fprintf(stderr, "varlenta-server: stopped\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "admin") == 0) {
        QCoreApplication app(argc, argv);
        app.setApplicationName(QStringLiteral("varlenta-server"));
        return server::runAdminCommand(app.arguments().mid(2));
    }
    // Pictures and documents are drawn with fonts, which needs a GUI application; a server has no
    // screen, so it draws offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("varlenta-server"));
    const server::ServerOptions options = server::parseServerOptions(app.arguments());
    try {
        return serve(options);
    } catch (const wire::Error& e) {
        std::fprintf(stderr, "varlenta-server: %s\n", qPrintable(e.fullText()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "varlenta-server: %s\n", e.what());
    }
    return 1;
}
