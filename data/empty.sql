/* The empty document database shipped with the program as empty.gdb.
   The build runs this script with isql-fb in the directory where empty.gdb is to appear:
       isql-fb -q -b -i empty.sql
   Texts are stored in Windows-1250 with Polish sorting and comparison. */

SET SQL DIALECT 3;

CREATE DATABASE 'empty.gdb' PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1250 COLLATION PXW_PLK;

CREATE TABLE FORMS (
  ID            INTEGER NOT NULL,
  COMPANYCODE   VARCHAR(50),
  EDITDATE      DATE,
  CATEGORY      VARCHAR(50) NOT NULL,
  TITLE         VARCHAR(150),
  SHORTTITLE    VARCHAR(150),
  DESCRIPTION1  VARCHAR(150),
  DESCRIPTION2  VARCHAR(150),
  DESCRIPTION3  VARCHAR(150),
  FORMID        VARCHAR(100) NOT NULL,
  SHORTCOMMENT  VARCHAR(150),
  FIELDVALUES   BLOB SUB_TYPE TEXT,
  FIELDCOMMENTS BLOB SUB_TYPE TEXT,
  COMMENT       BLOB SUB_TYPE TEXT,
  CONSTRAINT PK_FORMS PRIMARY KEY (ID)
);

/* Lists are filtered by form type, category and company, and shown in one of three orders;
   with an index for each order the first screen of a long list is read without sorting it. */
CREATE INDEX FORMS_FORMID ON FORMS (FORMID);
CREATE INDEX FORMS_COMPANYCODE ON FORMS (COMPANYCODE);
CREATE INDEX FORMS_DESCRIPTION ON FORMS (DESCRIPTION1, DESCRIPTION2);
CREATE INDEX FORMS_EDITDATE ON FORMS (EDITDATE);
CREATE INDEX FORMS_CATEGORY_DATE ON FORMS (CATEGORY, EDITDATE);

CREATE GENERATOR SEQ_ID;

COMMIT;
