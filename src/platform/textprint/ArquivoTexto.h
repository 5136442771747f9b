#pragma once
// Saving a job's pages to a file and loading them back, for the preview.

#include "platform/textprint/PaginaTexto.h"

#include <QList>
#include <QString>
#include <optional>

bool SalvaPaginas(const QString &caminho, const QList<PaginaTexto> &paginas, QString *erro);
std::optional<QList<PaginaTexto>> CarregaPaginas(const QString &caminho, QString *erro);
