#pragma once
// The three text-mode record printouts behind the "&Imprimir" buttons of
// the company, possession-letter and death-record forms. Each opens the
// print dialog, prints its pages and shows the preview; a cancelled dialog
// prints nothing. A failure while reading a row ends the printout with an
// exception for the form's handler guard.
//
//   // company form: the values its fields hold
//   ImprimeEmpresa(DadosDoFormulario(), this);
//   // possession-letter form: the listing query as it stands
//   ImprimeCartasPosse(IBQry_Lista, this);
//   // death-record form: its record set, and how its grid stops and resumes
//   // following the row changes
//   ImprimeObitos(IBQry_Obitos, {[&] { PausaGrade(); }, [&] { RetomaGrade(); }}, this);

#include "data/Query.h"
#include "reports/MolduraTexto.h"

#include <QString>
#include <functional>

class QWidget;

// The company form's fields, as typed (postal code, CNPJ and telephone as
// their digits).
struct DadosEmpresa {
    int codigo = 1;
    QString razao;
    QString endereco;
    QString bairro;
    QString complemento;
    QString cidade;
    QString uf;
    QString cep;
    QString cnpj;
    QString fone;
    QString responsavel;
};

// The company sheet: one page, one field per line.
void ImprimeEmpresa(const DadosEmpresa &dados, QWidget *pai = nullptr,
                    const Relogio &relogio = {});

// The list of the letters the query holds, in its order. The query is left
// on its last row.
void ImprimeCartasPosse(Query &consulta, QWidget *pai = nullptr, const Relogio &relogio = {});

// How a grid stops and resumes following its record set's row changes.
// Either may be empty. retoma runs while unwinding too, so it must not throw.
struct AcompanhamentoGrade {
    std::function<void()> para;
    std::function<void()> retoma;
};

// The list of the death records the query holds, in the record set's own
// order (a sort of the grid's view does not change it). While the rows are
// printed the grid does not follow them and the pointer is the hourglass;
// both come back afterwards, also when the printout stops on an error. The
// query is left on its last row.
void ImprimeObitos(Query &consulta, const AcompanhamentoGrade &grade = {},
                   QWidget *pai = nullptr, const Relogio &relogio = {});
