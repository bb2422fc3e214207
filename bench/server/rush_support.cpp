#include "rush_support.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

TSonucBilgisi fetchLogin(const ServerPlace& server, const QString& computerId) {
    Operation op(server);
    const TSonucBilgisi* answer = op.proxy->BuyukGetir(computerId);
    if (!answer || !answer->Varmi())
        throw std::runtime_error("the server does not know computer " + computerId.toStdString());
    TSonucBilgisi login;
    login.Kopyala(*answer);
    login.SetBILGISAYARID(computerId);
    return login;
}

TSonucBilgisi* loginFor(const TSonucBilgisi& login, int carino) {
    auto* copy = new TSonucBilgisi;
    copy->Kopyala(login);
    copy->SetCARINO(carino);
    return copy;
}

int columnOf(const wire::ClientTable& table, const char* name) {
    const int col = table.columnIndex(QString::fromLatin1(name));
    if (col < 0)
        throw std::runtime_error(std::string("the answer has no column ") + name);
    return col;
}

qint64 kurus(double lira) {
    return std::llround(lira * 100.0);
}

double nowMs() {
    return double(std::chrono::duration_cast<std::chrono::microseconds>(
                      std::chrono::steady_clock::now().time_since_epoch())
                      .count()) /
           1000.0;
}
