#include "platform/ui/DialogService.h"

#include "platform/ui/QtDialogService.h"

namespace talvane68 {
namespace {

DialogService* g_installed = nullptr;

}  // namespace

DialogService& dialogService() {
    static QtDialogService qtService;
    return g_installed != nullptr ? *g_installed : qtService;
}

void setDialogService(DialogService* service) {
    g_installed = service;
}

}  // namespace talvane68
