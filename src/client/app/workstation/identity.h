#pragma once

#include <QString>

// The workstation's identity as the login record carries it. Free functions without state; they
// read the system through the system root (system_root.h) and may run on any thread.

/// The computer name, or empty text when it is unknown or longer than 15 characters.
QString BilgisayarAdiAl();
/// The login name of the process's user, or empty text when it is unknown or longer than 15
/// characters.
QString KullaniciAdiAl();
/// The first IPv4 address of the local host name in dotted form. Loopback addresses are passed
/// over: a name that resolves only to them (127.0.1.1 of many distributions) gives the first
/// outward IPv4 address of the machine's interfaces. "127.0.0.1" when there is none or the name
/// does not resolve.
QString YerelIpAl();
/// The address of the first network adapter as six upper-case hexadecimal pairs joined by "-"
/// ("00-11-22-AA-BB-CC"). Loopback adapters and adapters whose address is made up anew at every
/// start are skipped; of the first three adapters in index order the next is tried only while the
/// result is "00-00-00-00-00-00". Empty when there is none.
QString MacAdresiAl();
/// The upper-case serial number of the first physical disk; empty when that disk reports none.
/// Throws std::runtime_error when there is no physical disk to ask.
QString DiskSeriNoAl();
/// The computer identifier the server knows this workstation by: the disk serial number, else the
/// adapter address, with every blank removed; empty when neither is available. Never throws.
QString BilgisayarIdAl();
