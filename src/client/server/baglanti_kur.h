#pragma once

#include <functional>

class ServerConnection;

/// Closes `baglanti` and opens it again with up to 11 attempts, pausing 500 ms after each failed
/// one. Only wire::Error counts as a failed attempt; anything else propagates. After the last
/// failure the connection-error reporter is called once when `mesaj` is set. Returns whether the
/// connection is open.
bool BaglantiKur(ServerConnection& baglanti, bool mesaj);

inline constexpr int kBaglantiDenemeSayisi = 11;
inline constexpr int kBaglantiBeklemeMs = 500;

/// Shows the user that the server cannot be reached; the program installs one that shows
/// "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!". Until then a final failure is not shown.
/// Install before any worker runs. Returns the previous reporter.
std::function<void()> setConnectionErrorReporter(std::function<void()> reporter);

/// The pause between attempts (sleeps the calling thread by default); tests install one that
/// counts instead of waiting. Returns the previous pause.
std::function<void(int ms)> setConnectionRetryPause(std::function<void(int ms)> pause);
