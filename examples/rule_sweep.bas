10 REM The core's area as the decision rule rises from a simple majority to three quarters.
20 REM Run it on a scenario: quelta-cli run rule_sweep.bas --scenario five.txt
30 PRINT "rule", "quota", "core area"
40 FOR K = 0 TO 5
50 LET R = 0.5 + K * 0.05
60 CALL SetVoteRule(R)
70 PRINT R, GetVoteQuota(), GetCoreArea()
80 NEXT K
