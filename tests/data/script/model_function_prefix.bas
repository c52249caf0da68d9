10 LET RefreshRate = 1
