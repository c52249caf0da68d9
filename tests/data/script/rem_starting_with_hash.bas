10 REM a letter is fine
20 PRINT "ok"
30 REM #not fine
40 PRINT "unreached"
