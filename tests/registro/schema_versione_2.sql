-- The school's server schema at version 2, kept as servers of that version
-- have it: the starting point of the migration that tst_scuola_ruoli tests.

-- Tesselo's class register on a school's PostgreSQL server (15 or later).
--
-- Applied by a superuser to the register's database (by default "tesselo"):
--
--   createdb tesselo
--   psql -X -v ON_ERROR_STOP=1 -d tesselo -f schema.sql
--
-- it creates the schema "tesselo", its tables and two group roles (NOLOGIN):
--   tesselo_gioco       the game: reads the class and the schema's version,
--                       inserts answers, reports its computer's queue through
--                       tesselo.segnala_coda(); nothing else. Every login
--                       user may change its own password (ALTER ROLE): make
--                       the game's users unable to log in with a password
--                       they chose, e.g. by authenticating them with
--                       certificates or by resetting it from a cron job, as
--                       the guide says.
--   tesselo_insegnante  the teachers' program: reads everything, manages the
--                       class, merges and deletes answers.
-- Login users are members of one of them (CREATE ROLE ... LOGIN IN ROLE ...).
--
-- Applied again, it changes nothing; applied to a newer register, it stops
-- with an error and changes nothing. The whole script is one transaction.
--
-- The version in tesselo.versione is the one the programs read: they refuse
-- a register newer than their own. A later version adds a step at the end of
-- the migrations below (a DO block run when the stored version is older),
-- and raises Versione; CREATE ... IF NOT EXISTS keeps the first version's
-- shape, which every step then brings forward.

BEGIN;

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
    IF (SELECT versione FROM tesselo.versione) > 2 THEN
        RAISE EXCEPTION 'il registro è di una versione di Tesselo più recente (%): lo schema non viene modificato',
            (SELECT versione FROM tesselo.versione);
    END IF;
END
$$;

-- Version 1: the class, the answers and the computers.

-- A child of the class. The uuid is the same child on every computer and in
-- every register merged in; the symbol is the key of the child's picture.
CREATE TABLE IF NOT EXISTS tesselo.bambini (
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
CREATE TABLE IF NOT EXISTS tesselo.risposte (
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
CREATE INDEX IF NOT EXISTS risposte_periodo ON tesselo.risposte (quando) INCLUDE (bambino, gioco, esatta);
-- One child's answers, and the removal of a child's answers.
CREATE INDEX IF NOT EXISTS risposte_bambino ON tesselo.risposte (bambino, quando);

-- Each computer's queue of answers not yet sent, as it last reported it.
-- The name is the computer's host name and, in brackets, a code of that
-- machine and its local register, e.g. 'aula-pc (3f9a0c1e)': computers
-- cloned from one image share their host name, and each account of a
-- computer keeps a register, and a queue, of its own.
CREATE TABLE IF NOT EXISTS tesselo.computer (
    nome text PRIMARY KEY CHECK (nome <> '' AND char_length(nome) <= 255),
    coda integer NOT NULL CHECK (coda >= 0),
    ultimo_contatto timestamptz NOT NULL
);

UPDATE tesselo.versione SET versione = 1 WHERE versione < 1;

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

-- Later versions: their steps here, e.g.
--   DO $$ BEGIN IF (SELECT versione FROM tesselo.versione) < 3 THEN
--       ALTER TABLE ...; UPDATE tesselo.versione SET versione = 3;
--   END IF; END $$;

-- Privileges, restated whole on every run so that each role has exactly
-- these (revoked and granted in the same transaction: an unchanged role ends
-- unchanged). Nobody else may use the schema.
REVOKE ALL ON SCHEMA tesselo FROM PUBLIC;
REVOKE ALL ON ALL TABLES IN SCHEMA tesselo FROM PUBLIC, tesselo_gioco, tesselo_insegnante;
REVOKE ALL ON FUNCTION tesselo.segnala_coda(text, integer), tesselo.massimo_computer()
    FROM PUBLIC, tesselo_gioco, tesselo_insegnante;
GRANT USAGE ON SCHEMA tesselo TO tesselo_gioco, tesselo_insegnante;

GRANT SELECT ON tesselo.versione, tesselo.bambini TO tesselo_gioco;
GRANT INSERT ON tesselo.risposte TO tesselo_gioco;
GRANT EXECUTE ON FUNCTION tesselo.segnala_coda(text, integer) TO tesselo_gioco;

GRANT SELECT ON tesselo.versione, tesselo.bambini, tesselo.risposte, tesselo.computer TO tesselo_insegnante;
GRANT INSERT, DELETE, UPDATE (nome, cognome, simbolo) ON tesselo.bambini TO tesselo_insegnante;
GRANT INSERT, DELETE ON tesselo.risposte TO tesselo_insegnante;
GRANT DELETE ON tesselo.computer TO tesselo_insegnante;

COMMIT;
