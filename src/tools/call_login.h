#pragma once

#include <QByteArray>
#include <QString>

#include "wire/channel.h"

/// The computer identifier to log in with: `given`, else VARLENTA_COMPUTER_ID, else this
/// machine's identifier.
QString loginComputerId(const QString& given);

/// The login record the desktop client would send: the one BuyukGetir returns for the computer
/// identifier, completed with this workstation's name, user and local address, the identifier and
/// the outside address "122", as the login dialog completes it. Throws wire::Error, also when the
/// server knows no record for the computer.
QByteArray fetchLoginJson(wire::Channel& channel, const QString& computerId);
