#pragma once
// Every fixed statement the program sends, each as the lines it is built
// from (Query::Add per line). Kept in one place so the schema tests run the
// very texts the windows send. Searches that windows compose from pieces
// live with those windows.

#include <QStringList>

namespace Comandos {

// empresa
inline const QStringList kEmpresaSeleciona{
    QStringLiteral("SELECT * FROM empresa WHERE emp_codigo = :p_codigo")};
inline const QStringList kEmpresaInsere{
    QStringLiteral("INSERT INTO empresa VALUES(:p_codigo, :p_razao, :p_endereco, :p_bairro, "),
    QStringLiteral(":p_complemento, :p_cidade, :p_uf, :p_cep, :p_cnpj, :p_fone, :p_responsavel)")};
inline const QStringList kEmpresaAltera{
    QStringLiteral("UPDATE empresa SET emp_codigo = :p_codigo, emp_razao = :p_razao, emp_ender = :p_endereco, emp_bairro = :p_bairro, "),
    QStringLiteral("emp_compl = :p_complemento, emp_cidade = :p_cidade, emp_uf = :p_uf, emp_cep = :p_cep, emp_cnpj = :p_cnpj, "),
    QStringLiteral("emp_fone = :p_fone, emp_resp = :p_responsavel WHERE emp_codigo = :p_codigo")};
inline const QStringList kEmpresaExclui{
    QStringLiteral("DELETE FROM empresa WHERE emp_codigo = :p_codigo")};
inline const QStringList kEmpresaGuia{QStringLiteral("select * from empresa")};
inline const QStringList kEmpresaRelatorio{
    QStringLiteral("select emp_razao, emp_ender, emp_bairro, emp_compl, emp_cidade, emp_cnpj, emp_fone"),
    QStringLiteral("from empresa")};

// carta_posse
inline const QStringList kCartaSeleciona{
    QStringLiteral("SELECT * FROM carta_posse WHERE cpo_codigo = :p_codigo")};
inline const QStringList kCartaMaximo{
    QStringLiteral("SELECT MAX(cpo_codigo) AS Maximo FROM carta_posse")};
inline const QStringList kCartaInsere{
    QStringLiteral("INSERT INTO carta_posse VALUES(:p_codigo, :p_nome, :p_tipo, :p_endereco, :p_bairro, :p_complemento, :p_cidade, "),
    QStringLiteral(":p_uf, :p_cep, :p_fone, :p_livro, :p_carta, :p_folha, :p_nro_sepult, :p_nro_guia, :p_data, :p_escriturario, :p_obs, :p1,:p2,:p3,:p4)")};
inline const QStringList kCartaAltera{
    QStringLiteral("UPDATE carta_posse SET cpo_nome = :p_nome, cpo_tipo_logr = :p_tipo, cpo_ender = :p_endereco, cpo_bairro = :p_bairro, "),
    QStringLiteral("cpo_compl = :p_complemento, cpo_cidade = :p_cidade, cpo_uf = :p_uf, cpo_cep = :p_cep, cpo_fone = :p_fone, cpo_livro = :p_livro, "),
    QStringLiteral("cpo_carta = :p_carta, cpo_folha = :p_folha, cpo_nro_sepult = :p_nro_sepult, cpo_nro_guia = :p_nro_guia, "),
    QStringLiteral("cpo_data = :p_data, cpo_escritur = :p_escriturario, cpo_obs = :p_obs, cpo_quadra = :p1, cpo_lote = :p2, cpo_vrpago = :p3, cpo_dtquitacao = :p4"),
    QStringLiteral("WHERE cpo_codigo = :p_codigo")};
inline const QStringList kCartaExclui{
    QStringLiteral("DELETE FROM carta_posse WHERE cpo_codigo = :p_codigo")};
// The death records that cite a letter, listed when its delete is refused.
inline const QStringList kCartaCitadaPor{
    QStringLiteral("SELECT o.obi_codigo, o.obi_nome from obitos o, carta_posse c WHERE c.cpo_codigo = :p_codigo AND o.obi_reg_cposse = c.cpo_codigo")};

// obitos
inline const QStringList kObitoSeleciona{
    QStringLiteral("SELECT * FROM obitos WHERE obi_codigo = :p_codigo")};
inline const QStringList kObitoConta{
    QStringLiteral("select coalesce(count(*),0) as contador from obitos where obi_codigo=:p1")};
inline const QStringList kObitoInsere{
    QStringLiteral("INSERT INTO obitos VALUES(:p_codigo, :p_exercicio, :p_livro, :p_folha, :p_dt_falec, :p_dt_sepult, :p_nome, :p_apelido, :p_sexo, :p_cor, "),
    QStringLiteral(":p_natural, :p_profiss, :p_est_civ, :p_anos, :p_mes, :p_dias, :p_pai, :p_mae, :p_causa_morti, :p_moradia, :p_declarante, :p_valor_taxa, :p_nro_guia, "),
    QStringLiteral(":p_data_recolhim, :p_reg_nro, :p_reg_liv, :p_reg_fol, :p_reg_dat, :p_reg_loc, :p_medico, :p_cod_causa, :p_tipo_sepult, :p_nro_sepult, :p_setor_sepult, "),
    QStringLiteral(":p_quadra_sepult, :p_lote_sepult, :p_rua_sepult, :p_nro_req, :p_data_req, :p_reg_cposse, :p_obs, "),
    QStringLiteral(":p_tipo_logr, :p_enderecodecl, :p_bairrodecl, :p_compldecl, :p_cidadedecl, :p_ufdecl, :p_cepdecl, :p_rgdecl, :p_cpfdecl, "),
    QStringLiteral(":p_fonedecl, :p_parentescodecl, :p_declarantecart, :p_requerentesepult, :p_nomecontrguia, :p_enderecocontrguia, :p_complcontrguia, :p_bairrocontrguia, "),
    QStringLiteral(":p_cidadecontrguia, :p_cepcontrguia, :p_ufcontrguia, :p_fonecontrguia, :p_rgcontrguia, :p_cpfcontrguia, :p_ordem, :p_obs2)")};
inline const QStringList kObitoAltera{
    QStringLiteral("UPDATE obitos SET obi_livro = :p_livro, obi_folha = :p_folha, obi_dt_falec = :p_dt_falec, obi_dt_sepult = :p_dt_sepult, "),
    QStringLiteral("obi_nome = :p_nome, obi_apelido = :p_apelido, obi_sexo = :p_sexo, obi_cor = :p_cor, obi_natural = :p_natural, "),
    QStringLiteral("obi_profiss = :p_profiss, obi_est_civ = :p_est_civ, obi_anos = :p_anos, obi_mes = :p_mes, obi_dias = :p_dias, obi_pai = :p_pai, "),
    QStringLiteral("obi_mae = :p_mae, obi_causa_morti = :p_causa_morti, obi_moradia = :p_moradia, obi_declarante = :p_declarante, obi_valor_taxa = :p_valor_taxa, "),
    QStringLiteral("obi_nro_guia = :p_nro_guia, obi_data_recolhim = :p_data_recolhim, obi_reg_nro = :p_reg_nro, obi_reg_liv = :p_reg_liv, obi_reg_fol = :p_reg_fol, "),
    QStringLiteral("obi_reg_dat = :p_reg_dat, obi_reg_loc = :p_reg_loc, obi_medico = :p_medico, obi_cod_causa = :p_cod_causa, obi_tipo_sepult = :p_tipo_sepult, "),
    QStringLiteral("obi_nro_sepult = :p_nro_sepult, obi_setor_sepult = :p_setor_sepult, obi_quadra_sepult = :p_quadra_sepult, obi_lote_sepult = :p_lote_sepult, "),
    QStringLiteral("obi_rua_sepult = :p_rua_sepult, obi_nro_req = :p_nro_req, obi_data_req = :p_data_req, obi_reg_cposse = :p_reg_cposse, obi_obs = :p_obs, "),
    QStringLiteral("obi_tipo_logr = :p1, obi_enderecodecl = :p2, obi_bairrodecl = :p3, obi_compldecl = :p4, obi_cidadedecl = :p5, obi_ufdecl = :p6, obi_cepdecl = :p7, "),
    QStringLiteral("obi_rgdecl = :p8, obi_cpfdecl = :p9, obi_fonecl = :p10, obi_parentescodecl = :p11, obi_declarantecart = :p12, obi_requerentesepult = :p13, "),
    QStringLiteral("obi_nomecontrguia = :p_nomecontrguia, obi_enderecocontrguia = :p_enderecocontrguia, obi_complcontrguia = :p_complcontrguia, obi_bairrocontrguia = :p_bairrocontrguia, "),
    QStringLiteral("obi_cidadecontrguia = :p_cidadecontrguia, obi_cepcontrguia = :p_cepcontrguia, obi_ufcontrguia = :p_ufcontrguia, obi_fonecontrguia = :p_fonecontrguia, "),
    QStringLiteral("obi_rgcontrguia = :p_rgcontrguia, obi_cpfcontrguia = :p_cpfcontrguia, obi_ordem = :p_ordem, obi_obs2 = :p_obs2"),
    QStringLiteral("WHERE obi_codigo = :p_codigo")};
inline const QStringList kObitoExclui{
    QStringLiteral("DELETE FROM obitos WHERE obi_codigo = :p_codigo")};

// obitos_lcodigo
inline const QStringList kUltimoCodigo{
    QStringLiteral("select coalesce(max(obl_ultimocod),0) as ultimo from obitos_lcodigo where obl_codigo=:p1")};

// acessos
inline const QStringList kAcessoProximo{
    QStringLiteral("SELECT MAX(ace_seq) + 1 AS proximo FROM acessos")};
inline const QStringList kAcessoEntrada{
    QStringLiteral("INSERT INTO acessos VALUES(:p_sequencia, :p_usuario, :p_data, :p_hora, 'ENTRADA')")};
inline const QStringList kAcessoSaida{
    QStringLiteral("INSERT INTO acessos VALUES(:p_sequencia, :p_usuario, :p_data, :p_hora, 'SAIDA')")};

// ativos
inline const QStringList kAtivosOutros{
    QStringLiteral("select * from ativos where ati_usuario <> :p_atual")};
// Marks this connection as a desk of the given user, for ativos.
inline const QStringList kMarcaAtivo{
    QStringLiteral("SELECT RDB$SET_CONTEXT('USER_SESSION', 'KIRO_USUARIO', CAST(:p_usuario AS VARCHAR(40))) AS marcado FROM rdb$database")};

} // namespace Comandos
