-- Tesselo's class register on a school's PostgreSQL server (15 or later).
--
-- Applied by a superuser to the register's database (by default "tesselo"):
--
--   createdb tesselo
--   psql -X -v ON_ERROR_STOP=1 -d tesselo -f schema.sql
--
-- it creates the schema "tesselo", its tables and three group roles (NOLOGIN):
--   tesselo_gioco       the game: reads the schema's version and the classes
--                       granted to its login user with their children,
--                       groups and learning paths, inserts answers into
--                       them, reads the right answers given under a path
--                       (tesselo.esatte_percorsi()), reports its
--                       computer's queue through tesselo.segnala_coda();
--                       nothing else.
--                       Every login user may change its own password (ALTER
--                       ROLE): make the game's users unable to log in with a
--                       password they chose, e.g. by authenticating them
--                       with certificates or by resetting it from a cron
--                       job, as the guide says.
--   tesselo_insegnante  the teachers' program: on the classes granted to its
--                       login user, reads everything, manages the children,
--                       the groups and the learning paths, merges and
--                       deletes answers, renames a class and moves it to a
--                       new school year.
--   tesselo_dirigenza   the head of school and the technician: all that a
--                       teacher may, on every class, and alone creates
--                       classes and grants them to login users:
--                       tesselo.crea_classe(), tesselo.assegna_classe(),
--                       tesselo.togli_classe().
-- Login users are members of one of them (CREATE ROLE ... LOGIN IN ROLE ...).
-- What each login user reaches is decided by the server itself, row by row
-- (row-level security), from the classes granted to session_user: neither
-- SET ROLE nor a security-definer function widens it.
--
-- Applied again, it changes nothing; applied to a newer register, it stops
-- with an error and changes nothing. The whole script is one transaction.
--
-- The version in tesselo.versione is the one the programs read: they refuse
-- a register newer than their own. A later version adds a step at the end of
-- the migrations below (a DO block run when the stored version is older),
-- and raises Versione. Each step runs once, on the shape the step before it
-- left: a new register goes through all of them.

BEGIN;

DO $$
BEGIN
    IF NOT (SELECT rolsuper FROM pg_catalog.pg_roles WHERE rolname = current_user) THEN
        RAISE EXCEPTION 'lo schema va applicato da un superutente, non da %', current_user
            USING ERRCODE = 'insufficient_privilege';
    END IF;
END
$$;

-- Roles are shared by the whole cluster: created once, kept when a
-- database is dropped.
DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = 'tesselo_gioco') THEN
        CREATE ROLE tesselo_gioco NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = 'tesselo_insegnante') THEN
        CREATE ROLE tesselo_insegnante NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = 'tesselo_dirigenza') THEN
        CREATE ROLE tesselo_dirigenza NOLOGIN;
    END IF;
END
$$;

CREATE SCHEMA IF NOT EXISTS tesselo;

-- One row: the schema's version.
CREATE TABLE IF NOT EXISTS tesselo.versione (
    unica boolean PRIMARY KEY DEFAULT true CHECK (unica),
    versione integer NOT NULL CHECK (versione >= 0)
);
INSERT INTO tesselo.versione (versione) VALUES (0) ON CONFLICT DO NOTHING;

DO $$
BEGIN
    IF (SELECT versione FROM tesselo.versione) > 5 THEN
        RAISE EXCEPTION 'il registro è di una versione di Tesselo più recente (%): lo schema non viene modificato',
            (SELECT versione FROM tesselo.versione);
    END IF;
    -- The version this run started from, for the steps below: 0 is a new
    -- register (for this transaction only).
    PERFORM set_config('tesselo.versione_iniziale', (SELECT versione FROM tesselo.versione)::text, true);
END
$$;

-- Version 1: the class, the answers and the computers; the shape a new
-- register starts from.
DO $$
BEGIN
    IF (SELECT versione FROM tesselo.versione) >= 1 THEN
        RETURN;
    END IF;
    -- A child of the class. The uuid is the same child on every computer and in
    -- every register merged in; the symbol is the key of the child's picture.
    CREATE TABLE tesselo.bambini (
        uuid uuid PRIMARY KEY DEFAULT gen_random_uuid(),
        nome text NOT NULL CHECK (nome <> ''),
        cognome text NOT NULL DEFAULT '',
        simbolo text NOT NULL UNIQUE CHECK (simbolo <> '' AND simbolo <> 'ospite')
    );

    -- One judged answer. Its uuid is given by the computer that recorded it, so a
    -- resend is ignored (INSERT ... ON CONFLICT DO NOTHING). Words, not the local
    -- register's codes: computers with different versions of the game share the
    -- server, and people read it.
    --   bambino   the child; NULL for a guest. Removing a child removes its
    --             answers.
    --   gioco     the game's screen: 'form1', 'FORM2', ... 'FormDomino2'
    --   domande   what was asked: [{"attributo": "colore", "valore": "rosso",
    --             "negata": true}, ...], "NON" kept apart from its value
    --   blocchi   the blocks shown, in order: [{"forma": ..., "colore": ...,
    --             "dimensione": ..., "spessore": ...}, ...]
    --   risposta  the answer in the words the screen shows
    CREATE TABLE tesselo.risposte (
        uuid uuid PRIMARY KEY,
        quando timestamptz NOT NULL,
        bambino uuid REFERENCES tesselo.bambini (uuid) ON DELETE CASCADE,
        gioco text NOT NULL CHECK (gioco <> ''),
        domande jsonb NOT NULL DEFAULT '[]' CHECK (jsonb_typeof(domande) = 'array'),
        blocchi jsonb NOT NULL DEFAULT '[]' CHECK (jsonb_typeof(blocchi) = 'array'),
        risposta text NOT NULL DEFAULT '',
        esatta boolean NOT NULL,
        millisecondi bigint NOT NULL CHECK (millisecondi >= 0)
    );
    -- The class at a glance counts right and wrong answers by child and game in a
    -- period: an index-only scan of this index, without reading the answers.
    CREATE INDEX risposte_periodo ON tesselo.risposte (quando) INCLUDE (bambino, gioco, esatta);
    -- One child's answers, and the removal of a child's answers.
    CREATE INDEX risposte_bambino ON tesselo.risposte (bambino, quando);

    -- Each computer's queue of answers not yet sent, as it last reported it.
    -- The name is the computer's host name and, in brackets, a code of that
    -- machine and its local register, e.g. 'aula-pc (3f9a0c1e)': computers
    -- cloned from one image share their host name, and each account of a
    -- computer keeps a register, and a queue, of its own.
    CREATE TABLE tesselo.computer (
        nome text PRIMARY KEY CHECK (nome <> '' AND char_length(nome) <= 255),
        coda integer NOT NULL CHECK (coda >= 0),
        ultimo_contatto timestamptz NOT NULL
    );
    UPDATE tesselo.versione SET versione = 1;
END
$$;

-- Version 2: what the game's login users write is bounded. An answer's
-- texts and JSON have the sizes the game gives them (NOT VALID: rows already
-- stored stay as they are, new ones are checked), and each line of
-- tesselo.computer belongs to the login user that first reported it.
DO $$
BEGIN
    IF (SELECT versione FROM tesselo.versione) < 2 THEN
        ALTER TABLE tesselo.risposte
            ADD CONSTRAINT gioco_breve CHECK (char_length(gioco) <= 64) NOT VALID,
            ADD CONSTRAINT risposta_breve CHECK (char_length(risposta) <= 200) NOT VALID,
            ADD CONSTRAINT domande_brevi CHECK (jsonb_array_length(domande) <= 8
                AND octet_length(domande::text) <= 2000) NOT VALID,
            ADD CONSTRAINT blocchi_brevi CHECK (jsonb_array_length(blocchi) <= 48
                AND octet_length(blocchi::text) <= 8000) NOT VALID,
            ADD CONSTRAINT millisecondi_in_un_giorno CHECK (millisecondi <= 86400000) NOT VALID;
        -- Lines reported before this version have no owner: the first login
        -- user to report them again takes them.
        ALTER TABLE tesselo.computer ADD COLUMN utente name;
        CREATE INDEX computer_utente ON tesselo.computer (utente);
        UPDATE tesselo.versione SET versione = 2;
    END IF;
END
$$;

-- How many lines of tesselo.computer one login user may have: a computer
-- keeps one queue for each account and register on it.
CREATE OR REPLACE FUNCTION tesselo.massimo_computer() RETURNS integer
    LANGUAGE sql IMMUTABLE RETURN 16;

-- The game reports its queue here: it may write only the lines of
-- tesselo.computer that its own login user (session_user, whatever the
-- function runs as) reported, at most massimo_computer() of them, and
-- nothing else of that table. The time is the server's.
CREATE OR REPLACE FUNCTION tesselo.segnala_coda(nome_computer text, lunghezza integer) RETURNS void
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    UPDATE tesselo.computer SET coda = lunghezza, ultimo_contatto = now(), utente = session_user
        WHERE nome = nome_computer AND (utente = session_user OR utente IS NULL);
    IF FOUND THEN
        RETURN;
    END IF;
    IF EXISTS (SELECT FROM tesselo.computer WHERE nome = nome_computer) THEN
        RAISE EXCEPTION 'il computer % è di un altro utente', nome_computer USING ERRCODE = 'insufficient_privilege';
    END IF;
    -- One report at a time per login user, so that two cannot both pass the count.
    PERFORM pg_advisory_xact_lock(hashtext('tesselo.segnala_coda ' || session_user));
    IF (SELECT count(*) FROM tesselo.computer WHERE utente = session_user) >= tesselo.massimo_computer() THEN
        RAISE EXCEPTION 'l''utente % ha già % computer', session_user, tesselo.massimo_computer()
            USING ERRCODE = 'program_limit_exceeded';
    END IF;
    INSERT INTO tesselo.computer (nome, coda, ultimo_contatto, utente)
        VALUES (nome_computer, lunghezza, now(), session_user);
END
$$;

-- Version 3: a school of many classes.

-- The school year of a day, 1 September starting it: 2026-09-01 to
-- 2027-08-31 is '2026/27'.
CREATE OR REPLACE FUNCTION tesselo.anno_scolastico_di(giorno date) RETURNS text
    LANGUAGE sql IMMUTABLE
    RETURN extract(year FROM giorno - interval '8 months')::integer || '/'
        || lpad(((extract(year FROM giorno - interval '8 months')::integer + 1) % 100)::text, 2, '0');

-- Whether a text is a school year: four digits, a slash, the last two
-- digits of the next year ('2026/27').
CREATE OR REPLACE FUNCTION tesselo.anno_valido(anno text) RETURNS boolean
    LANGUAGE sql IMMUTABLE
    RETURN CASE WHEN anno ~ '^[0-9]{4}/[0-9]{2}$'
                THEN (left(anno, 4)::integer + 1) % 100 = right(anno, 2)::integer
                ELSE false END;

-- The partition of a school year's answers, created when missing: '2026/27'
-- is tesselo.risposte_2026_27, from 1 September 2026 00:00 UTC to
-- 1 September 2027. Answers of that year waiting in the default partition
-- move into it. A table of that name that is not a partition (a year
-- detached and kept) is left alone, and the year refused until it is
-- renamed or dropped.
CREATE OR REPLACE FUNCTION tesselo.partizione_anno(anno text) RETURNS void
    LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    nome text := 'risposte_' || replace(anno, '/', '_');
    dal timestamptz;
    al timestamptz;
    da_spostare boolean;
BEGIN
    IF NOT tesselo.anno_valido(anno) THEN
        RAISE EXCEPTION 'anno scolastico non valido: %', anno USING ERRCODE = 'invalid_parameter_value';
    END IF;
    -- One at a time: two classes of a new year created together.
    PERFORM pg_advisory_xact_lock(hashtext('tesselo.partizione_anno'));
    IF EXISTS (SELECT FROM pg_inherits
               WHERE inhparent = 'tesselo.risposte'::regclass AND inhrelid = to_regclass('tesselo.' || nome)) THEN
        RETURN;
    END IF;
    IF to_regclass('tesselo.' || nome) IS NOT NULL THEN
        RAISE EXCEPTION 'la tabella tesselo.% esiste già e non è una partizione delle risposte: un anno staccato va rinominato o archiviato altrove',
            nome USING ERRCODE = 'duplicate_table';
    END IF;
    dal := make_timestamptz(left(anno, 4)::integer, 9, 1, 0, 0, 0, 'UTC');
    al := make_timestamptz(left(anno, 4)::integer + 1, 9, 1, 0, 0, 0, 'UTC');
    -- The default partition may not hold rows of a new partition's range:
    -- they leave it while it is detached.
    SELECT EXISTS (SELECT FROM tesselo.risposte_predefinita WHERE quando >= dal AND quando < al) INTO da_spostare;
    IF da_spostare THEN
        ALTER TABLE tesselo.risposte DETACH PARTITION tesselo.risposte_predefinita;
    END IF;
    EXECUTE format('CREATE TABLE tesselo.%I PARTITION OF tesselo.risposte FOR VALUES FROM (%L) TO (%L)', nome, dal, al);
    IF da_spostare THEN
        WITH spostate AS (DELETE FROM tesselo.risposte_predefinita WHERE quando >= dal AND quando < al RETURNING *)
        INSERT INTO tesselo.risposte SELECT * FROM spostate;
        ALTER TABLE tesselo.risposte ATTACH PARTITION tesselo.risposte_predefinita DEFAULT;
    END IF;
END
$$;

-- Classes, their login users, and each child and answer in a class. An
-- existing register becomes one class, "La mia classe" of the current
-- school year, with every child and answer in it, granted to every login
-- user of the game and of the teachers so that a school of one class works
-- as before. Its uuid is fixed, the same as a computer's register takes in
-- its own migration: an upgraded computer's queued answers and the upgraded
-- server's class are the same class. A new register has that class too,
-- granted to nobody yet.
DO $$
DECLARE
    mia constant uuid := '7e55e110-c1a5-4e00-8000-000000000001';
    anno text;
BEGIN
    IF (SELECT versione FROM tesselo.versione) >= 3 THEN
        RETURN;
    END IF;
    -- A class: its name as the teacher writes it (at most 100 characters,
    -- without the characters that turn text around) and its school year.
    CREATE TABLE tesselo.classi (
        uuid uuid PRIMARY KEY DEFAULT gen_random_uuid(),
        nome text NOT NULL CHECK (nome ~ '[^[:space:]]' AND char_length(nome) <= 100
            AND nome !~ '[\u202A-\u202E\u2066-\u2069]'),
        anno_scolastico text NOT NULL CHECK (tesselo.anno_valido(anno_scolastico)),
        UNIQUE (nome, anno_scolastico)
    );
    -- Which login users (a teacher's, a computer's) each class is granted to.
    CREATE TABLE tesselo.classi_utenti (
        classe uuid REFERENCES tesselo.classi ON DELETE CASCADE,
        utente name,
        PRIMARY KEY (classe, utente)
    );
    CREATE INDEX classi_utenti_utente ON tesselo.classi_utenti (utente);
    INSERT INTO tesselo.classi (uuid, nome, anno_scolastico)
        VALUES (mia, 'La mia classe', tesselo.anno_scolastico_di(current_date));

    -- A child's symbol is unique in the class.
    ALTER TABLE tesselo.bambini ADD COLUMN classe uuid REFERENCES tesselo.classi;
    UPDATE tesselo.bambini SET classe = mia;
    ALTER TABLE tesselo.bambini
        ALTER COLUMN classe SET NOT NULL,
        DROP CONSTRAINT bambini_simbolo_key,
        ADD CONSTRAINT bambini_classe_simbolo_key UNIQUE (classe, simbolo);

    -- The answers, partitioned by school year (see partizione_anno()), with
    -- a default partition for the rest, so that no answer is ever refused
    -- for its date. The uuid is unique with the time: a resend has both.
    ALTER TABLE tesselo.risposte RENAME TO risposte_versione_2;
    ALTER TABLE tesselo.risposte_versione_2 DROP CONSTRAINT risposte_pkey;
    DROP INDEX tesselo.risposte_periodo, tesselo.risposte_bambino;
    CREATE TABLE tesselo.risposte (
        uuid uuid NOT NULL,
        quando timestamptz NOT NULL,
        bambino uuid CONSTRAINT risposte_bambino_fkey REFERENCES tesselo.bambini (uuid) ON DELETE CASCADE,
        classe uuid NOT NULL CONSTRAINT risposte_classe_fkey REFERENCES tesselo.classi,
        gioco text NOT NULL CONSTRAINT risposte_gioco_check CHECK (gioco <> ''),
        domande jsonb NOT NULL DEFAULT '[]' CONSTRAINT risposte_domande_check CHECK (jsonb_typeof(domande) = 'array'),
        blocchi jsonb NOT NULL DEFAULT '[]' CONSTRAINT risposte_blocchi_check CHECK (jsonb_typeof(blocchi) = 'array'),
        risposta text NOT NULL DEFAULT '',
        esatta boolean NOT NULL,
        millisecondi bigint NOT NULL CONSTRAINT risposte_millisecondi_check CHECK (millisecondi >= 0),
        PRIMARY KEY (uuid, quando)
    ) PARTITION BY RANGE (quando);
    CREATE TABLE tesselo.risposte_predefinita PARTITION OF tesselo.risposte DEFAULT;
    -- A class at a glance counts right and wrong answers by child and game
    -- in a period: an index-only scan of the class's stretch of this index.
    CREATE INDEX risposte_classe_periodo ON tesselo.risposte (classe, quando) INCLUDE (bambino, gioco, esatta);
    -- One child's answers, and the removal of a child's answers.
    CREATE INDEX risposte_bambino ON tesselo.risposte (bambino, quando);
    -- Each school year the answers have, and the current one, a partition.
    FOR anno IN
        SELECT tesselo.anno_scolastico_di(current_date)
        UNION
        SELECT DISTINCT tesselo.anno_scolastico_di((quando AT TIME ZONE 'UTC')::date)
            FROM tesselo.risposte_versione_2
            WHERE quando >= '2000-09-01 00:00+00' AND quando < now() + interval '1 year'
    LOOP
        PERFORM tesselo.partizione_anno(anno);
    END LOOP;
    INSERT INTO tesselo.risposte (uuid, quando, bambino, classe, gioco, domande, blocchi, risposta, esatta, millisecondi)
        SELECT uuid, quando, bambino, mia, gioco, domande, blocchi, risposta, esatta, millisecondi
        FROM tesselo.risposte_versione_2;
    DROP TABLE tesselo.risposte_versione_2;
    -- The sizes of version 2, as then: rows already stored stay as they are.
    ALTER TABLE tesselo.risposte
        ADD CONSTRAINT gioco_breve CHECK (char_length(gioco) <= 64) NOT VALID,
        ADD CONSTRAINT risposta_breve CHECK (char_length(risposta) <= 200) NOT VALID,
        ADD CONSTRAINT domande_brevi CHECK (jsonb_array_length(domande) <= 8
            AND octet_length(domande::text) <= 2000) NOT VALID,
        ADD CONSTRAINT blocchi_brevi CHECK (jsonb_array_length(blocchi) <= 48
            AND octet_length(blocchi::text) <= 8000) NOT VALID,
        ADD CONSTRAINT millisecondi_in_un_giorno CHECK (millisecondi <= 86400000) NOT VALID;

    IF current_setting('tesselo.versione_iniziale')::integer > 0 THEN
        INSERT INTO tesselo.classi_utenti (classe, utente)
            SELECT mia, r.rolname FROM pg_catalog.pg_roles r
            WHERE r.rolcanlogin AND NOT r.rolsuper
              AND (pg_has_role(r.oid, 'tesselo_gioco', 'MEMBER') OR pg_has_role(r.oid, 'tesselo_insegnante', 'MEMBER'))
              -- Roles serve the whole cluster: another school's users, kept
              -- out of this database, are not this school's.
              AND has_database_privilege(r.oid, current_database(), 'CONNECT');
    END IF;
    UPDATE tesselo.versione SET versione = 3;
END
$$;

-- Whether this session's login user is of the school's management.
-- session_user, not current_user: SET ROLE and security-definer functions
-- change the latter, never the former.
CREATE OR REPLACE FUNCTION tesselo.dirigenza() RETURNS boolean
    LANGUAGE sql STABLE
    RETURN pg_has_role(session_user, 'tesselo_dirigenza', 'MEMBER');

-- The classes this session's login user reaches: those granted to it, every
-- class for the management. Every policy below is keyed to it.
CREATE OR REPLACE FUNCTION tesselo.mie_classi() RETURNS SETOF uuid
    LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp ROWS 10
AS $$
    SELECT uuid FROM tesselo.classi WHERE tesselo.dirigenza()
    UNION ALL
    SELECT classe FROM tesselo.classi_utenti WHERE utente = session_user AND NOT tesselo.dirigenza()
$$;

-- The class a child or an answer goes to when the statement names none: the
-- only class its login user reaches, so that a school of one class works as
-- before; with several, none, and the statement is refused.
CREATE OR REPLACE FUNCTION tesselo.classe_sola() RETURNS uuid
    LANGUAGE sql STABLE
    RETURN (SELECT CASE WHEN count(*) = 1 THEN (array_agg(c))[1] END FROM tesselo.mie_classi() AS c);
ALTER TABLE tesselo.bambini ALTER COLUMN classe SET DEFAULT tesselo.classe_sola();
ALTER TABLE tesselo.risposte ALTER COLUMN classe SET DEFAULT tesselo.classe_sola();

-- A new school year's class, or a class moved up to it, has that year's
-- partition of the answers.
CREATE OR REPLACE FUNCTION tesselo.anno_della_classe() RETURNS trigger
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    PERFORM tesselo.partizione_anno(NEW.anno_scolastico);
    RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER anno_della_classe AFTER INSERT OR UPDATE OF anno_scolastico ON tesselo.classi
    FOR EACH ROW EXECUTE FUNCTION tesselo.anno_della_classe();

-- A child moved to another class takes their answers with them. The move
-- itself was checked against the policies (both classes the mover's); the
-- answers follow with the owner's rights, since a teacher may not update
-- answers.
CREATE OR REPLACE FUNCTION tesselo.bambino_spostato() RETURNS trigger
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    UPDATE tesselo.risposte SET classe = NEW.classe WHERE bambino = NEW.uuid AND classe <> NEW.classe;
    RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER bambino_spostato AFTER UPDATE OF classe ON tesselo.bambini
    FOR EACH ROW WHEN (OLD.classe IS DISTINCT FROM NEW.classe) EXECUTE FUNCTION tesselo.bambino_spostato();

-- An answer's uuid is the answer, whatever its time: the primary key holds
-- the time too, as a partitioned table's must, so an answer whose uuid is
-- stored with another time is skipped here, as a resend (ON CONFLICT DO
-- NOTHING) is. With the owner's rights, since the game may not read answers.
CREATE OR REPLACE FUNCTION tesselo.risposta_nuova() RETURNS trigger
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    IF EXISTS (SELECT FROM tesselo.risposte WHERE uuid = NEW.uuid AND quando <> NEW.quando) THEN
        RETURN NULL;
    END IF;
    RETURN NEW;
END
$$;
CREATE OR REPLACE TRIGGER risposta_nuova BEFORE INSERT ON tesselo.risposte
    FOR EACH ROW EXECUTE FUNCTION tesselo.risposta_nuova();

-- The technician's commands (tesselo_dirigenza only).
CREATE OR REPLACE FUNCTION tesselo.solo_dirigenza() RETURNS void
    LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    IF NOT tesselo.dirigenza() THEN
        RAISE EXCEPTION 'solo la dirigenza (tesselo_dirigenza) gestisce le classi, non %', session_user
            USING ERRCODE = 'insufficient_privilege';
    END IF;
END
$$;

-- A class by the name the class page shows: of the latest school year when
-- several years share the name.
CREATE OR REPLACE FUNCTION tesselo.classe_di_nome(nome text) RETURNS uuid
    LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    trovata uuid;
BEGIN
    SELECT c.uuid INTO trovata FROM tesselo.classi AS c WHERE c.nome = classe_di_nome.nome
        ORDER BY c.anno_scolastico DESC LIMIT 1;
    IF trovata IS NULL THEN
        RAISE EXCEPTION 'non c''è una classe "%"', nome USING ERRCODE = 'no_data_found';
    END IF;
    RETURN trovata;
END
$$;

-- tesselo.crea_classe('1A', '2026/27'): a new class, granted to nobody yet;
-- its uuid.
CREATE OR REPLACE FUNCTION tesselo.crea_classe(nome text, anno_scolastico text) RETURNS uuid
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    nuova uuid;
BEGIN
    PERFORM tesselo.solo_dirigenza();
    INSERT INTO tesselo.classi (nome, anno_scolastico) VALUES (crea_classe.nome, crea_classe.anno_scolastico)
        RETURNING classi.uuid INTO nuova;
    RETURN nuova;
EXCEPTION WHEN unique_violation THEN
    RAISE EXCEPTION 'la classe "%" del %/% c''è già', nome, left(anno_scolastico, 4), right(anno_scolastico, 2)
        USING ERRCODE = 'unique_violation';
END
$$;

-- tesselo.assegna_classe('1A', 'maestra_rossi'): the class is granted to a
-- login user of a teacher or of the game's computers. Granted twice, once.
CREATE OR REPLACE FUNCTION tesselo.assegna_classe(classe text, utente name) RETURNS void
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    scelta uuid;
BEGIN
    PERFORM tesselo.solo_dirigenza();
    scelta := tesselo.classe_di_nome(classe);
    IF NOT EXISTS (SELECT FROM pg_roles AS r
                   WHERE r.rolname = assegna_classe.utente AND r.rolcanlogin
                     AND (pg_has_role(r.oid, 'tesselo_gioco', 'MEMBER')
                          OR pg_has_role(r.oid, 'tesselo_insegnante', 'MEMBER'))) THEN
        RAISE EXCEPTION '% non è un utente del gioco (tesselo_gioco) né di un''insegnante (tesselo_insegnante) che possa entrare',
            utente USING ERRCODE = 'undefined_object';
    END IF;
    INSERT INTO tesselo.classi_utenti (classe, utente) VALUES (scelta, assegna_classe.utente) ON CONFLICT DO NOTHING;
END
$$;

-- tesselo.togli_classe('1A', 'maestra_rossi'): the grant taken back.
CREATE OR REPLACE FUNCTION tesselo.togli_classe(classe text, utente name) RETURNS void
    LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    PERFORM tesselo.solo_dirigenza();
    DELETE FROM tesselo.classi_utenti AS a
        WHERE a.classe = tesselo.classe_di_nome(togli_classe.classe) AND a.utente = togli_classe.utente;
    IF NOT FOUND THEN
        RAISE EXCEPTION 'la classe "%" non è assegnata a %', classe, utente USING ERRCODE = 'no_data_found';
    END IF;
END
$$;

-- Row-level security: each login user reaches the rows of its classes, and
-- writes only rows of its classes, an answer's child of the answer's class.
-- FORCE: the tables' owner too (a superuser is never bound by policies).
-- The classes as an array, computed once a statement: the condition is then
-- one more key of an index scan on the class (a class at a glance costs the
-- same as without the policy), where "IN (SELECT ...)" would be checked on
-- every row.
ALTER TABLE tesselo.classi ENABLE ROW LEVEL SECURITY, FORCE ROW LEVEL SECURITY;
ALTER TABLE tesselo.classi_utenti ENABLE ROW LEVEL SECURITY, FORCE ROW LEVEL SECURITY;
ALTER TABLE tesselo.bambini ENABLE ROW LEVEL SECURITY, FORCE ROW LEVEL SECURITY;
ALTER TABLE tesselo.risposte ENABLE ROW LEVEL SECURITY, FORCE ROW LEVEL SECURITY;
DROP POLICY IF EXISTS mie_classi ON tesselo.classi;
CREATE POLICY mie_classi ON tesselo.classi
    USING (uuid = ANY (ARRAY(SELECT tesselo.mie_classi())));
DROP POLICY IF EXISTS mie_classi ON tesselo.classi_utenti;
CREATE POLICY mie_classi ON tesselo.classi_utenti
    USING (classe = ANY (ARRAY(SELECT tesselo.mie_classi())));
DROP POLICY IF EXISTS mie_classi ON tesselo.bambini;
CREATE POLICY mie_classi ON tesselo.bambini
    USING (classe = ANY (ARRAY(SELECT tesselo.mie_classi())));
DROP POLICY IF EXISTS mie_classi ON tesselo.risposte;
CREATE POLICY mie_classi ON tesselo.risposte
    USING (classe = ANY (ARRAY(SELECT tesselo.mie_classi())))
    WITH CHECK (classe = ANY (ARRAY(SELECT tesselo.mie_classi()))
                AND (bambino IS NULL OR EXISTS (SELECT FROM tesselo.bambini AS b
                                                WHERE b.uuid = risposte.bambino AND b.classe = risposte.classe)));

-- Version 4: a class's groups and learning paths, who plays which, and the
-- path and step each answer was given under.
DO $$
BEGIN
    IF (SELECT versione FROM tesselo.versione) >= 4 THEN
        RETURN;
    END IF;
    -- A learning path of a class: dati is the whole path as its file holds
    -- it (a JSON object whose "nome" is the row's name). Its uuid is what
    -- answers record, on every computer. The pair (uuid, classe) is a key
    -- so that whatever is assigned a path takes one of its own class.
    CREATE TABLE tesselo.percorsi (
        uuid uuid PRIMARY KEY DEFAULT gen_random_uuid(),
        classe uuid NOT NULL REFERENCES tesselo.classi ON DELETE CASCADE,
        nome text NOT NULL CHECK (nome ~ '[^[:space:]]' AND char_length(nome) <= 100
            AND nome !~ '[\u202A-\u202E\u2066-\u2069]'),
        dati jsonb NOT NULL CHECK (jsonb_typeof(dati) = 'object' AND octet_length(dati::text) <= 1048576
            AND dati->>'nome' = nome),
        UNIQUE (classe, nome),
        UNIQUE (uuid, classe)
    );
    -- A group of a class ("piccoli", "mezzani", "grandi") and its path. A
    -- path removed leaves the group without one; the class stays.
    CREATE TABLE tesselo.gruppi (
        uuid uuid PRIMARY KEY DEFAULT gen_random_uuid(),
        classe uuid NOT NULL REFERENCES tesselo.classi ON DELETE CASCADE,
        nome text NOT NULL CHECK (nome ~ '[^[:space:]]' AND char_length(nome) <= 50
            AND nome !~ '[\u202A-\u202E\u2066-\u2069]'),
        percorso uuid,
        UNIQUE (classe, nome),
        UNIQUE (uuid, classe),
        FOREIGN KEY (percorso, classe) REFERENCES tesselo.percorsi (uuid, classe) ON DELETE SET NULL (percorso)
    );
    -- A child's group and own path, and the class's path: of the same class
    -- always, and none once that group or path is removed.
    ALTER TABLE tesselo.bambini
        ADD COLUMN gruppo uuid,
        ADD COLUMN percorso uuid,
        ADD CONSTRAINT bambini_gruppo_fkey FOREIGN KEY (gruppo, classe)
            REFERENCES tesselo.gruppi (uuid, classe) ON DELETE SET NULL (gruppo),
        ADD CONSTRAINT bambini_percorso_fkey FOREIGN KEY (percorso, classe)
            REFERENCES tesselo.percorsi (uuid, classe) ON DELETE SET NULL (percorso);
    ALTER TABLE tesselo.classi
        ADD COLUMN percorso uuid,
        ADD CONSTRAINT classi_percorso_fkey FOREIGN KEY (percorso, uuid)
            REFERENCES tesselo.percorsi (uuid, classe) ON DELETE SET NULL (percorso);
    -- The path and step (from 1) an answer was given under, both or
    -- neither. No foreign key: an answer outlives its path. NOT VALID as
    -- the sizes of version 2: the rows stored before have neither.
    ALTER TABLE tesselo.risposte
        ADD COLUMN percorso uuid,
        ADD COLUMN passo smallint,
        ADD CONSTRAINT percorso_con_passo CHECK ((percorso IS NULL) = (passo IS NULL)) NOT VALID,
        ADD CONSTRAINT passo_nel_percorso CHECK (passo BETWEEN 1 AND 100) NOT VALID;
    -- A child's progress counts their right answers under each step of a
    -- path: the index holds only answers given under one.
    CREATE INDEX risposte_percorso ON tesselo.risposte (classe, bambino, percorso, passo)
        INCLUDE (esatta) WHERE percorso IS NOT NULL;
    UPDATE tesselo.versione SET versione = 4;
END
$$;

-- A child moved to another class leaves their group and own path behind:
-- both are the old class's. Before the row is written, so that its keys are
-- checked as it will be.
CREATE OR REPLACE FUNCTION tesselo.bambino_cambia_classe() RETURNS trigger
    LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    IF NEW.gruppo IS NOT DISTINCT FROM OLD.gruppo THEN
        NEW.gruppo := NULL;
    END IF;
    IF NEW.percorso IS NOT DISTINCT FROM OLD.percorso THEN
        NEW.percorso := NULL;
    END IF;
    RETURN NEW;
END
$$;
CREATE OR REPLACE TRIGGER bambino_cambia_classe BEFORE UPDATE OF classe ON tesselo.bambini
    FOR EACH ROW WHEN (OLD.classe IS DISTINCT FROM NEW.classe) EXECUTE FUNCTION tesselo.bambino_cambia_classe();

-- The right answers given under a path of its class by the children of
-- this session's login user's classes, at most 100 for each child, path
-- and step (a step's goal is at most 99): all that a computer needs to show
-- a child's progress made on other computers, and the only answers the
-- game may read. With the owner's rights, since the game may not read
-- answers; the classes are session_user's (mie_classi()).
CREATE OR REPLACE FUNCTION tesselo.esatte_percorsi()
    RETURNS TABLE (bambino uuid, percorso uuid, passo smallint, risposta uuid)
    LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
    SELECT e.bambino, e.percorso, e.passo, e.uuid
    FROM (SELECT r.bambino, r.percorso, r.passo, r.uuid,
                 row_number() OVER (PARTITION BY r.bambino, r.percorso, r.passo ORDER BY r.quando, r.uuid) AS n
          FROM tesselo.risposte AS r
          JOIN tesselo.percorsi AS p ON p.uuid = r.percorso AND p.classe = r.classe
          WHERE r.classe = ANY (ARRAY(SELECT tesselo.mie_classi()))
            AND r.percorso IS NOT NULL AND r.bambino IS NOT NULL AND r.esatta) AS e
    WHERE e.n <= 100
$$;

ALTER TABLE tesselo.percorsi ENABLE ROW LEVEL SECURITY, FORCE ROW LEVEL SECURITY;
ALTER TABLE tesselo.gruppi ENABLE ROW LEVEL SECURITY, FORCE ROW LEVEL SECURITY;
DROP POLICY IF EXISTS mie_classi ON tesselo.percorsi;
CREATE POLICY mie_classi ON tesselo.percorsi
    USING (classe = ANY (ARRAY(SELECT tesselo.mie_classi())));
DROP POLICY IF EXISTS mie_classi ON tesselo.gruppi;
CREATE POLICY mie_classi ON tesselo.gruppi
    USING (classe = ANY (ARRAY(SELECT tesselo.mie_classi())));

-- Version 5: what each child has learned.
DO $$
BEGIN
    IF (SELECT versione FROM tesselo.versione) >= 5 THEN
        RETURN;
    END IF;
    -- Which attempt at its turn's question an answer is: 1 for the turn's
    -- first answer, 2 and on for the retries after a wrong one. The answers
    -- stored before are told apart by the start of their turn (quando less
    -- millisecondi): an answer is a retry of the one before it of the same
    -- child, class and game when that one was wrong, asked the same, and was
    -- given after this one's turn began (by more than 50 ms, for the two
    -- clocks). NOT VALID as the checks of version 2.
    ALTER TABLE tesselo.risposte
        ADD COLUMN tentativo smallint NOT NULL DEFAULT 1,
        ADD CONSTRAINT tentativo_valido CHECK (tentativo >= 1) NOT VALID;
    WITH ordinate AS (
        SELECT uuid, quando, classe, bambino, gioco,
               CASE WHEN lag(esatta) OVER w = false AND lag(domande) OVER w = domande
                         AND quando - millisecondi * interval '1 millisecond'
                             < lag(quando) OVER w - interval '50 milliseconds'
                    THEN 0 ELSE 1 END AS nuovo
        FROM tesselo.risposte
        WINDOW w AS (PARTITION BY classe, bambino, gioco ORDER BY quando, uuid)),
    turni AS (
        SELECT uuid, quando, classe, bambino, gioco,
               sum(nuovo) OVER (PARTITION BY classe, bambino, gioco ORDER BY quando, uuid) AS turno
        FROM ordinate),
    numerate AS (
        SELECT uuid, quando,
               row_number() OVER (PARTITION BY classe, bambino, gioco, turno ORDER BY quando, uuid) AS n
        FROM turni)
    UPDATE tesselo.risposte AS r SET tentativo = numerate.n
        FROM numerate
        WHERE r.uuid = numerate.uuid AND r.quando = numerate.quando AND numerate.n > 1;
    -- The class at a glance counts first answers and retries apart, still
    -- from the class's stretch of its index alone; its statement's columns
    -- change with it (made again below).
    DROP INDEX tesselo.risposte_classe_periodo;
    CREATE INDEX risposte_classe_periodo ON tesselo.risposte (classe, quando)
        INCLUDE (bambino, gioco, esatta, tentativo);
    DROP FUNCTION IF EXISTS tesselo.sintesi_classe(uuid, timestamptz, timestamptz);
    -- A teacher's note on a child: the teachers' alone, never the game's,
    -- which reads the children.
    CREATE TABLE tesselo.note (
        bambino uuid PRIMARY KEY REFERENCES tesselo.bambini ON DELETE CASCADE,
        testo text NOT NULL CHECK (char_length(testo) <= 1000 AND testo !~ '[\u202A-\u202E\u2066-\u2069]')
    );
    -- Whether the class's games read their questions aloud as a turn starts.
    ALTER TABLE tesselo.classi ADD COLUMN leggi_domande boolean NOT NULL DEFAULT true;
    -- The probabilities of the estimate of what the children have learned,
    -- fitted on the class's answers, and when: the class's, not a child's.
    CREATE TABLE tesselo.padronanza (
        classe uuid PRIMARY KEY REFERENCES tesselo.classi ON DELETE CASCADE,
        adattati timestamptz NOT NULL,
        dati jsonb NOT NULL CHECK (jsonb_typeof(dati) = 'object' AND octet_length(dati::text) <= 65536)
    );
    UPDATE tesselo.versione SET versione = 5;
END
$$;

ALTER TABLE tesselo.note ENABLE ROW LEVEL SECURITY, FORCE ROW LEVEL SECURITY;
ALTER TABLE tesselo.padronanza ENABLE ROW LEVEL SECURITY, FORCE ROW LEVEL SECURITY;
DROP POLICY IF EXISTS mie_classi ON tesselo.note;
CREATE POLICY mie_classi ON tesselo.note
    USING (EXISTS (SELECT FROM tesselo.bambini AS b
                   WHERE b.uuid = note.bambino AND b.classe = ANY (ARRAY(SELECT tesselo.mie_classi()))));
DROP POLICY IF EXISTS mie_classi ON tesselo.padronanza;
CREATE POLICY mie_classi ON tesselo.padronanza
    USING (classe = ANY (ARRAY(SELECT tesselo.mie_classi())));

-- One class at a glance, the statement of the teachers' program, by child
-- (NULL for the guests) and game in [dal, al): the first answers right, all
-- first answers, and the retries after a wrong one. Run with the caller's
-- rights, so a class not granted to the caller has no rows.
CREATE OR REPLACE FUNCTION tesselo.sintesi_classe(classe uuid, dal timestamptz, al timestamptz)
    RETURNS TABLE (bambino uuid, gioco text, esatte bigint, risposte bigint, riprove bigint)
    LANGUAGE sql STABLE
AS $$
    SELECT r.bambino, r.gioco, count(*) FILTER (WHERE r.esatta AND r.tentativo = 1),
           count(*) FILTER (WHERE r.tentativo = 1), count(*) FILTER (WHERE r.tentativo > 1)
    FROM tesselo.risposte AS r
    WHERE r.classe = $1 AND r.quando >= $2 AND r.quando < $3
    GROUP BY r.bambino, r.gioco
$$;

-- Later versions: their steps here, e.g.
--   DO $$ BEGIN IF (SELECT versione FROM tesselo.versione) < 6 THEN
--       ALTER TABLE ...; UPDATE tesselo.versione SET versione = 6;
--   END IF; END $$;

-- Privileges, restated whole on every run so that each role has exactly
-- these (revoked and granted in the same transaction: an unchanged role ends
-- unchanged). Nobody else may use the schema. The rows each may reach are
-- the policies' above.
REVOKE ALL ON SCHEMA tesselo FROM PUBLIC;
REVOKE ALL ON ALL TABLES IN SCHEMA tesselo FROM PUBLIC, tesselo_gioco, tesselo_insegnante, tesselo_dirigenza;
REVOKE ALL ON ALL FUNCTIONS IN SCHEMA tesselo FROM PUBLIC, tesselo_gioco, tesselo_insegnante, tesselo_dirigenza;
GRANT USAGE ON SCHEMA tesselo TO tesselo_gioco, tesselo_insegnante, tesselo_dirigenza;
-- What the policies, the checks and the defaults call, run as whoever writes.
GRANT EXECUTE ON FUNCTION tesselo.mie_classi(), tesselo.dirigenza(), tesselo.classe_sola(),
    tesselo.anno_valido(text), tesselo.anno_scolastico_di(date)
    TO tesselo_gioco, tesselo_insegnante, tesselo_dirigenza;

GRANT SELECT ON tesselo.versione, tesselo.classi, tesselo.bambini, tesselo.gruppi, tesselo.percorsi,
    tesselo.padronanza TO tesselo_gioco;
GRANT INSERT ON tesselo.risposte TO tesselo_gioco;
GRANT EXECUTE ON FUNCTION tesselo.segnala_coda(text, integer), tesselo.esatte_percorsi() TO tesselo_gioco;

GRANT SELECT ON tesselo.versione, tesselo.classi, tesselo.bambini, tesselo.risposte, tesselo.computer
    TO tesselo_insegnante, tesselo_dirigenza;
GRANT UPDATE (nome, anno_scolastico) ON tesselo.classi TO tesselo_insegnante, tesselo_dirigenza;
GRANT INSERT, DELETE, UPDATE (nome, cognome, simbolo, classe, gruppo, percorso) ON tesselo.bambini
    TO tesselo_insegnante, tesselo_dirigenza;
GRANT UPDATE (percorso, leggi_domande) ON tesselo.classi TO tesselo_insegnante, tesselo_dirigenza;
GRANT SELECT, INSERT, DELETE, UPDATE (testo) ON tesselo.note TO tesselo_insegnante, tesselo_dirigenza;
GRANT SELECT, INSERT, DELETE, UPDATE (adattati, dati) ON tesselo.padronanza TO tesselo_insegnante, tesselo_dirigenza;
-- A path or a group keeps its uuid and its class: what answers and
-- assignments refer to.
GRANT SELECT, INSERT, DELETE, UPDATE (nome, dati) ON tesselo.percorsi TO tesselo_insegnante, tesselo_dirigenza;
GRANT SELECT, INSERT, DELETE, UPDATE (nome, percorso) ON tesselo.gruppi TO tesselo_insegnante, tesselo_dirigenza;
GRANT INSERT, DELETE ON tesselo.risposte TO tesselo_insegnante, tesselo_dirigenza;
GRANT DELETE ON tesselo.computer TO tesselo_insegnante, tesselo_dirigenza;
GRANT EXECUTE ON FUNCTION tesselo.sintesi_classe(uuid, timestamptz, timestamptz)
    TO tesselo_insegnante, tesselo_dirigenza;

-- The management: every class, an empty class removed, and the commands.
GRANT SELECT ON tesselo.classi_utenti TO tesselo_dirigenza;
GRANT DELETE ON tesselo.classi TO tesselo_dirigenza;
GRANT EXECUTE ON FUNCTION tesselo.crea_classe(text, text), tesselo.assegna_classe(text, name),
    tesselo.togli_classe(text, name) TO tesselo_dirigenza;

COMMIT;
