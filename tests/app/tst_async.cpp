// Background calls: where each part runs, their order, errors, modal dialogs and the tab-load rule.
#include <QDialog>
#include <QLabel>
#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <stdexcept>

#include "client/app/async.h"
#include "client/app/tab_load.h"
#include "client/ui/test_support/scripted_messages.h"

class TestAsync : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void workerOffMainThreadCompletionOnIt();
    void completionRunsInsideModalDialog();
    void workerErrorShownAfterCompletion();
    void synchronizedStepRunsOnMainThreadAndWaits();
    void synchronizedStepErrorReachesWorker();
    void tabLoadRestoresWindowAndReportsConnectionFailure_data();
    void tabLoadRestoresWindowAndReportsConnectionFailure();
    void tabLoadIgnoresSecondStartWhileRunning();
};

void TestAsync::workerOffMainThreadCompletionOnIt() {
    QThread* workerThread = nullptr;
    QThread* completionThread = nullptr;
    bool workerDoneFirst = false;
    std::atomic<bool> workerDone{false};
    app::Async([&] {
        workerThread = QThread::currentThread();
        QThread::msleep(50);
        workerDone = true;
    })->Await([&] {
        completionThread = QThread::currentThread();
        workerDoneFirst = workerDone;
    });
    QVERIFY(completionThread == nullptr);  // Await returns at once
    QTRY_VERIFY(completionThread != nullptr);
    QVERIFY(workerThread != thread());
    QCOMPARE(completionThread, thread());
    QVERIFY(workerDoneFirst);
}

void TestAsync::completionRunsInsideModalDialog() {
    QDialog dialog;
    bool ranWhileModal = false;
    QTimer::singleShot(0, &dialog, [&] {
        app::Async([] { QThread::msleep(20); })->Await([&] {
            ranWhileModal = dialog.isVisible();
            dialog.accept();
        });
    });
    QTimer::singleShot(5000, &dialog, &QDialog::reject);  // a safety net, never the expected path
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(ranWhileModal);
}

void TestAsync::workerErrorShownAfterCompletion() {
    ui::ScriptedMessages messages;
    int messagesAtCompletion = -1;
    bool completed = false;
    app::Async([] { throw std::runtime_error("disk dolu"); })->Await([&] {
        messagesAtCompletion = messages.count();
        completed = true;
    });
    QTRY_COMPARE(messages.count(), 1);
    QVERIFY(completed);
    QCOMPARE(messagesAtCompletion, 0);
    QCOMPARE(messages.last().metin, QStringLiteral("disk dolu"));
    QCOMPARE(messages.last().tur, ui::MesajTuru::Hata);
}

void TestAsync::synchronizedStepRunsOnMainThreadAndWaits() {
    QThread* stepThread = nullptr;
    bool stepFinishedBeforeReturn = false;
    bool done = false;
    app::Async([&] {
        bool stepDone = false;
        app::Synchronize([&] {
            stepThread = QThread::currentThread();
            QThread::msleep(20);
            stepDone = true;
        });
        stepFinishedBeforeReturn = stepDone;
    })->Await([&] { done = true; });
    QTRY_VERIFY(done);
    QCOMPARE(stepThread, thread());
    QVERIFY(stepFinishedBeforeReturn);
}

void TestAsync::synchronizedStepErrorReachesWorker() {
    QString caught;
    bool done = false;
    app::Async([&] {
        try {
            app::Synchronize([] { throw std::runtime_error("etiket yok"); });
        } catch (const std::exception& e) {
            caught = QString::fromUtf8(e.what());
        }
    })->Await([&] { done = true; });
    QTRY_VERIFY(done);
    QCOMPARE(caught, QStringLiteral("etiket yok"));
}

void TestAsync::tabLoadRestoresWindowAndReportsConnectionFailure_data() {
    QTest::addColumn<int>("outcome");  // 0 success, 1 no connection, 2 the worker throws
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("success") << 0 << QStringList{};
    QTest::newRow("no connection")
        << 1 << QStringList{QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!")};
    QTest::newRow("worker throws") << 2 << QStringList{QStringLiteral("beklenmeyen cevap")};
}

void TestAsync::tabLoadRestoresWindowAndReportsConnectionFailure() {
    QFETCH(int, outcome);
    QFETCH(QStringList, messages);
    ui::ScriptedMessages shown;

    QWidget window;
    auto* animation = new QLabel(&window);
    auto* grid = new QWidget(&window);
    animation->hide();
    QStringList events;
    bool windowRestoredAtFirstMessage = true;
    ui::MesajYanitlayici recorder = ui::mesajYanitlayiciKur({});
    ui::mesajYanitlayiciKur([&](const ui::GosterilenMesaj& m) {
        windowRestoredAtFirstMessage =
            windowRestoredAtFirstMessage && grid->isEnabled() && animation->isHidden();
        return recorder(m);
    });
    app::TabLoad load({animation, grid, [&] { events << "detach"; }, [&] { events << "attach"; }});

    bool busyDuringWorker = false;
    bool finishedHata = false;
    QVERIFY(load.start(
        &window,
        [&] {
            busyDuringWorker = !grid->isEnabled() && !animation->isHidden();
            if (outcome == 2) {
                throw std::runtime_error("beklenmeyen cevap");
            }
            return outcome == 0;
        },
        [&](bool hata) {
            events << "finish";
            finishedHata = hata;
        }));
    QTRY_VERIFY(!load.running());
    QTRY_COMPARE(shown.count(), int(messages.size()));
    ui::mesajYanitlayiciKur(recorder);

    QVERIFY(busyDuringWorker);
    QCOMPARE(events, (QStringList{"detach", "attach", "finish"}));
    QCOMPARE(finishedHata, outcome == 1);
    QVERIFY(grid->isEnabled());
    QVERIFY(animation->isHidden());
    QVERIFY(windowRestoredAtFirstMessage);
    QStringList texts;
    for (const auto& m : shown.shown()) {
        texts << m.metin;
    }
    QCOMPARE(texts, messages);
}

void TestAsync::tabLoadIgnoresSecondStartWhileRunning() {
    QWidget window;
    auto* grid = new QWidget(&window);
    app::TabLoad load({nullptr, grid, {}, {}});
    QSemaphore release;
    std::atomic<int> workers{0};
    auto worker = [&] {
        ++workers;
        release.acquire();
        return true;
    };
    QVERIFY(load.start(&window, worker));
    QVERIFY(!load.start(&window, worker));  // the tab shown again while loading
    release.release();
    QTRY_VERIFY(!load.running());
    QCOMPARE(workers.load(), 1);
    QVERIFY(load.start(&window, worker));  // a later showing loads again
    release.release();
    QTRY_VERIFY(!load.running());
    QCOMPARE(workers.load(), 2);
}

QTEST_MAIN(TestAsync)
#include "tst_async.moc"
