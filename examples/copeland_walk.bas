10 REM The status quo walks halfway toward the Copeland winner at every step.
20 REM Run it on a scenario: quelta-cli run copeland_walk.bas --scenario five.txt
30 LET CH = GetCopelandH()
40 LET CV = GetCopelandV()
50 PRINT "Copeland winner", CH, CV
60 CALL SetStatusQuo(10, 90)
70 PRINT "step", "status quo", "", "distance", "win-set area"
80 FOR S = 1 TO 8
90 LET H = GetStatusQuoH()
100 LET V = GetStatusQuoV()
110 PRINT S, H, V, GetDistance(H, CH, V, CV), GetWinSetArea()
120 CALL SetStatusQuo(H + (CH - H) / 2, V + (CV - V) / 2)
130 NEXT S
