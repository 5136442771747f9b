#pragma once
// Handler guard: wraps an event handler at connect time so that a failure
// stops the handler at the failing step and reaches the application error
// routine, and no exception ever crosses Qt's event loop.
//
//   connect(btn_Gravar, &QPushButton::clicked, this,
//           Guarda(this, &TfrmCadEmpresa::btn_GravarClick));

#include "common/Mensagem.h"

#include <exception>
#include <QString>

// Shows what the failure says through the application error routine.
void ReportaFalha(const std::exception &e);
void ReportaFalhaDesconhecida();

template <typename C, typename... A>
auto Guarda(C *obj, void (C::*handler)(A...))
{
    return [obj, handler](A... args) {
        try {
            (obj->*handler)(args...);
        } catch (const std::exception &e) {
            ReportaFalha(e);
        } catch (...) {
            ReportaFalhaDesconhecida();
        }
    };
}

// Runs any callable under the same rule (timers, event filters, lambdas).
template <typename F>
void ExecutaGuardado(F &&f)
{
    try {
        f();
    } catch (const std::exception &e) {
        ReportaFalha(e);
    } catch (...) {
        ReportaFalhaDesconhecida();
    }
}
