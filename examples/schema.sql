-- The eighteen tables of a legislature database, empty. Runs on SQLite and PostgreSQL:
--   sqlite3 my.sqlite < schema.sql        psql -d mydb -f schema.sql
-- Text columns hold up to 255 characters; CommitteeType is 1 for the lower house, 2 for the upper.
CREATE TABLE "Config_Params" ("Name" VARCHAR(255), "T1" VARCHAR(255), "N1" DOUBLE PRECISION, "N2" DOUBLE PRECISION, "N3" DOUBLE PRECISION, "N4" DOUBLE PRECISION);
CREATE TABLE "Header" ("Body" VARCHAR(255), "Upper House" VARCHAR(255), "UH Members" VARCHAR(255), "UH Term" DOUBLE PRECISION, "UH Constituency Genus" VARCHAR(255), "UH Constituency Species" VARCHAR(255), "Lower House" VARCHAR(255), "LH Members" VARCHAR(255), "LH Term" DOUBLE PRECISION, "LH Constituency Genus" VARCHAR(255), "LH Constituency Species" VARCHAR(255), "Description" VARCHAR(255));
CREATE TABLE "Ratings" ("Rating" VARCHAR(255), "RatingID" VARCHAR(255), "Scale_Min" DOUBLE PRECISION, "Scale_Max" DOUBLE PRECISION);
CREATE TABLE "UH_Members" ("Last Name" VARCHAR(255), "First Name" VARCHAR(255), "Middle Name" VARCHAR(255), "Vote" DOUBLE PRECISION, "Constituency Genus" VARCHAR(255), "Constituency Species" VARCHAR(255), "MemberID" VARCHAR(255));
CREATE TABLE "UH_Committees" ("Committee" VARCHAR(255), "SubLevel" INTEGER, "Chair" VARCHAR(255), "Majority Leader" VARCHAR(255), "Minority Leader" VARCHAR(255), "ParentID" VARCHAR(255), "CommitteeID" VARCHAR(255));
CREATE TABLE "UH_Committee_Members" ("CommitteeID" VARCHAR(255), "MemberID" VARCHAR(255));
CREATE TABLE "UH_Member_Ratings" ("Count" INTEGER, "StdDev" DOUBLE PRECISION, "Value" DOUBLE PRECISION, "MemberID" VARCHAR(255), "RatingID" VARCHAR(255));
CREATE TABLE "LH_Members" ("Last Name" VARCHAR(255), "First Name" VARCHAR(255), "Middle Name" VARCHAR(255), "Vote" DOUBLE PRECISION, "Constituency Genus" VARCHAR(255), "Constituency Species" VARCHAR(255), "MemberID" VARCHAR(255));
CREATE TABLE "LH_Committees" ("Committee" VARCHAR(255), "SubLevel" INTEGER, "Chair" VARCHAR(255), "Majority Leader" VARCHAR(255), "Minority Leader" VARCHAR(255), "ParentID" VARCHAR(255), "CommitteeID" VARCHAR(255));
CREATE TABLE "LH_Committee_Members" ("CommitteeID" VARCHAR(255), "MemberID" VARCHAR(255));
CREATE TABLE "LH_Member_Ratings" ("Count" INTEGER, "StdDev" DOUBLE PRECISION, "Value" DOUBLE PRECISION, "MemberID" VARCHAR(255), "RatingID" VARCHAR(255));
CREATE TABLE "Scenario" ("Scenario" VARCHAR(255), "CommitteeType" INTEGER, "Committee" VARCHAR(255), "RatingH" VARCHAR(255), "RatingV" VARCHAR(255), "StatusQuoH" DOUBLE PRECISION, "StatusQuoV" DOUBLE PRECISION, "ProposalH" DOUBLE PRECISION, "ProposalV" DOUBLE PRECISION, "DecisionRule" DOUBLE PRECISION, "Absolute" INTEGER);
CREATE TABLE "Scenario_Member_Ratings" ("Scenario" VARCHAR(255), "MemberID" VARCHAR(255), "PreferenceType" INTEGER, "ValueH" DOUBLE PRECISION, "ValueV" DOUBLE PRECISION);
CREATE TABLE "Attribute" ("AttributeContextID" VARCHAR(255), "AttributeID" VARCHAR(255), "AttributeAlias" VARCHAR(255), "AttributeTypeID" VARCHAR(255));
CREATE TABLE "UH_Member_Nominal_Attributes" ("MemberID" VARCHAR(255), "AttributeContextID" VARCHAR(255), "AttributeID" VARCHAR(255), "AttributeValue" VARCHAR(255));
CREATE TABLE "LH_Member_Nominal_Attributes" ("MemberID" VARCHAR(255), "AttributeContextID" VARCHAR(255), "AttributeID" VARCHAR(255), "AttributeValue" VARCHAR(255));
CREATE TABLE "UH_Member_Numeric_Attributes" ("MemberID" VARCHAR(255), "AttributeContextID" VARCHAR(255), "AttributeID" VARCHAR(255), "AttributeValue" DOUBLE PRECISION);
CREATE TABLE "LH_Member_Numeric_Attributes" ("MemberID" VARCHAR(255), "AttributeContextID" VARCHAR(255), "AttributeID" VARCHAR(255), "AttributeValue" DOUBLE PRECISION);
