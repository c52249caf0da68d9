10 REM An open agenda: at every round a random proposal from the win set of the status
20 REM quo wins and becomes the new status quo. The walk stops when the win set is empty.
30 REM Run it on a scenario: quelta-cli run agenda_loop.bas --scenario five.txt
40 CALL SEED(1789)
50 CALL SetStatusQuo(15, 85)
60 PRINT "round", "status quo", "", "win-set area"
70 FOR I = 1 TO 12
80 LET A = GetWinSetArea()
90 PRINT I, GetStatusQuoH(), GetStatusQuoV(), A
100 IF A = 0 THEN -1
110 CALL SetStatusQuoToRandProp()
120 NEXT I
