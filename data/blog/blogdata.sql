-- The blog database as a new installation has it: empty entry tables and one information record.
-- Dates are stored yyyy-MM-dd and times HH:mm:ss, so "[date] DESC" lists the newest first.
CREATE TABLE "blogtable" (
    "id" INTEGER,
    "date" VARCHAR(254),
    "time" VARCHAR(254),
    "author" VARCHAR(254),
    "title" VARCHAR(254),
    "category" VARCHAR(254),
    "link" VARCHAR(254),
    "linkdes" VARCHAR(254),
    "blogtext" TEXT,
    "shortblogtext" VARCHAR(254),
    "archived" INTEGER,
    "guid" VARCHAR(254),
    "month" VARCHAR(254),
    "Year" VARCHAR(254),
    "modifiedat" VARCHAR(254)
);
-- Archived entries have the same columns as the active ones.
CREATE TABLE "archived" AS SELECT * FROM "blogtable" WHERE 0;
CREATE TABLE "bloginformation" (
    "id" INTEGER,
    "blogname" VARCHAR(254),
    "blogowner" VARCHAR(254),
    "blogemail" VARCHAR(254),
    "modified" VARCHAR(254)
);
INSERT INTO "bloginformation" ("id", "blogname", "blogowner", "blogemail", "modified")
VALUES (1, 'My blog', '', '', '');
PRAGMA user_version = 40;
