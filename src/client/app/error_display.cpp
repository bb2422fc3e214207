#include "client/app/error_display.h"

#include "client/ui/mesaj_goster.h"
#include "wire/error.h"

namespace app {

QString errorText(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const wire::Error& e) {
        return e.message();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Beklenmeyen bir hata oluştu.");
    }
}

void showError(const std::exception_ptr& error) {
    if (!error) {
        return;
    }
    ui::MesajGoster(errorText(error), ui::MesajTuru::Hata, {ui::MesajDugmesi::Tamam},
                    ui::MesajDugmesi::Tamam);
}

void runShowingErrors(const std::function<void()>& action) {
    try {
        action();
    } catch (...) {
        showError(std::current_exception());
    }
}

}  // namespace app
