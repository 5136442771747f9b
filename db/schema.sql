-- KIRO - Sistema Necrovia: the database.
--
-- kiro-db creates the database itself (SQL dialect 3, page size 8192,
-- DEFAULT CHARACTER SET WIN1252) and then runs this script, one statement at
-- a time. Statements end with ';'. The program issues no INSERT with a
-- column list, so the order and number of columns of every table below are
-- part of the format: never add, drop or reorder a column.

-- The one record of the body that runs the cemetery (code 1).
CREATE TABLE empresa (
    emp_codigo   INTEGER NOT NULL,
    emp_razao    VARCHAR(60),
    emp_ender    VARCHAR(60),
    emp_bairro   VARCHAR(40),
    emp_compl    VARCHAR(40),
    emp_cidade   VARCHAR(50),
    emp_uf       VARCHAR(2),
    emp_cep      VARCHAR(8),
    emp_cnpj     VARCHAR(14),
    emp_fone     VARCHAR(10),
    emp_resp     VARCHAR(50),
    CONSTRAINT pk_empresa PRIMARY KEY (emp_codigo)
);

-- Possession letters (title deeds for grave plots).
CREATE TABLE carta_posse (
    cpo_codigo      INTEGER NOT NULL,
    cpo_nome        VARCHAR(60),
    cpo_tipo_logr   VARCHAR(3),
    cpo_ender       VARCHAR(60),
    cpo_bairro      VARCHAR(40),
    cpo_compl       VARCHAR(40),
    cpo_cidade      VARCHAR(50),
    cpo_uf          VARCHAR(2),
    cpo_cep         VARCHAR(8),
    cpo_fone        VARCHAR(10),
    cpo_livro       INTEGER,
    cpo_carta       INTEGER,
    cpo_folha       INTEGER,
    cpo_nro_sepult  INTEGER,
    cpo_nro_guia    INTEGER,
    cpo_data        DATE,
    cpo_escritur    VARCHAR(50),
    cpo_obs         VARCHAR(1000),
    cpo_quadra      VARCHAR(10),
    cpo_lote        VARCHAR(10),
    cpo_vrpago      NUMERIC(18,2),
    cpo_dtquitacao  DATE,
    CONSTRAINT pk_carta_posse PRIMARY KEY (cpo_codigo)
);

-- Death and burial records; obi_codigo is the grave number typed by the clerk.
CREATE TABLE obitos (
    obi_codigo             INTEGER NOT NULL,
    obi_exercicio          INTEGER NOT NULL,
    obi_livro              VARCHAR(4),
    obi_folha              INTEGER,
    obi_dt_falec           DATE,
    obi_dt_sepult          DATE,
    obi_nome               VARCHAR(60),
    obi_apelido            VARCHAR(40),
    obi_sexo               CHAR(1),
    obi_cor                VARCHAR(30),
    obi_natural            VARCHAR(40),
    obi_profiss            VARCHAR(40),
    obi_est_civ            CHAR(1),
    obi_anos               INTEGER,
    obi_mes                INTEGER,
    obi_dias               INTEGER,
    obi_pai                VARCHAR(60),
    obi_mae                VARCHAR(60),
    obi_causa_morti        VARCHAR(80),
    obi_moradia            VARCHAR(40),
    obi_declarante         VARCHAR(60),
    obi_valor_taxa         NUMERIC(18,2),
    obi_nro_guia           INTEGER,
    obi_data_recolhim      DATE,
    obi_reg_nro            INTEGER,
    obi_reg_liv            VARCHAR(4),
    obi_reg_fol            INTEGER,
    obi_reg_dat            DATE,
    obi_reg_loc            VARCHAR(50),
    obi_medico             VARCHAR(60),
    obi_cod_causa          VARCHAR(6),
    obi_tipo_sepult        VARCHAR(20),
    obi_nro_sepult         INTEGER,
    obi_setor_sepult       VARCHAR(5),
    obi_quadra_sepult      VARCHAR(4),
    obi_lote_sepult        VARCHAR(4),
    obi_rua_sepult         VARCHAR(30),
    obi_nro_req            INTEGER,
    obi_data_req           DATE,
    obi_reg_cposse         INTEGER,
    obi_obs                BLOB SUB_TYPE TEXT,
    obi_tipo_logr          CHAR(3),
    obi_enderecodecl       VARCHAR(60),
    obi_bairrodecl         VARCHAR(40),
    obi_compldecl          VARCHAR(40),
    obi_cidadedecl         VARCHAR(50),
    obi_ufdecl             CHAR(2),
    obi_cepdecl            VARCHAR(8),
    obi_rgdecl             VARCHAR(14),
    obi_cpfdecl            CHAR(11),
    obi_fonecl             VARCHAR(10),
    obi_parentescodecl     VARCHAR(20),
    obi_declarantecart     VARCHAR(60),
    obi_requerentesepult   VARCHAR(60),
    obi_nomecontrguia      VARCHAR(60),
    obi_enderecocontrguia  VARCHAR(60),
    obi_complcontrguia     VARCHAR(40),
    obi_bairrocontrguia    VARCHAR(40),
    obi_cidadecontrguia    VARCHAR(50),
    obi_cepcontrguia       VARCHAR(8),
    obi_ufcontrguia        CHAR(2),
    obi_fonecontrguia      VARCHAR(10),
    obi_rgcontrguia        VARCHAR(14),
    obi_cpfcontrguia       CHAR(11),
    obi_ordem              VARCHAR(15),
    obi_obs2               BLOB SUB_TYPE TEXT,
    CONSTRAINT pk_obitos PRIMARY KEY (obi_codigo),
    -- Refuses to delete a letter that a death record cites, and a death
    -- record that cites a letter that does not exist.
    CONSTRAINT fk_obitos_carta_posse FOREIGN KEY (obi_reg_cposse)
        REFERENCES carta_posse (cpo_codigo)
);

-- Journal of logins and exits. ace_seq is MAX + 1 taken by each desk without
-- a lock; it is deliberately not a key, so two desks logging in at the same
-- instant both get in (with the same number) instead of one failing.
CREATE TABLE acessos (
    ace_seq      INTEGER,
    ace_usuario  VARCHAR(40),
    ace_data     DATE,
    ace_hora     TIME,
    ace_tipo     VARCHAR(7)
);

-- Columns searched, filtered or ordered by.
CREATE INDEX ix_obitos_nome ON obitos (obi_nome);
CREATE INDEX ix_obitos_dt_falec ON obitos (obi_dt_falec);
CREATE INDEX ix_obitos_dt_sepult ON obitos (obi_dt_sepult);
CREATE INDEX ix_obitos_declarante ON obitos (obi_declarante);
CREATE INDEX ix_carta_posse_nome ON carta_posse (cpo_nome);
CREATE INDEX ix_carta_posse_ender ON carta_posse (cpo_ender);
CREATE INDEX ix_carta_posse_nro_sepult ON carta_posse (cpo_nro_sepult);
-- MAX(...) reads one entry of a descending index instead of the whole table.
CREATE DESCENDING INDEX ix_obitos_codigo_desc ON obitos (obi_codigo);
CREATE DESCENDING INDEX ix_carta_posse_codigo_desc ON carta_posse (cpo_codigo);
CREATE DESCENDING INDEX ix_acessos_seq_desc ON acessos (ace_seq);

-- The last grave number used, under key 1. Computed from obitos rather than
-- kept in a row that a trigger updates: such a row would make two desks that
-- save at the same time collide with an update conflict. With an empty
-- obitos the value is NULL, which the program's coalesce reads as 0.
CREATE VIEW obitos_lcodigo (obl_codigo, obl_ultimocod) AS
    SELECT 1, (SELECT MAX(o.obi_codigo) FROM obitos o)
    FROM rdb$database;

-- The program users connected now. After login each desk sets the session
-- variable KIRO_USUARIO (RDB$SET_CONTEXT) to its user name; the engine's
-- monitoring tables list the variables of live connections only, so a desk
-- that disconnects or crashes leaves the list by itself. A non-admin database
-- user sees only the connections of the same database user, which is what
-- desks sharing the user of kiro.ini need.
CREATE VIEW ativos (ati_usuario, ati_hora) AS
    SELECT CAST(v.mon$variable_value AS VARCHAR(40) CHARACTER SET UTF8),
           CAST(a.mon$timestamp AS TIME)
    FROM mon$context_variables v
    JOIN mon$attachments a ON a.mon$attachment_id = v.mon$attachment_id
    WHERE v.mon$variable_name = 'KIRO_USUARIO';
