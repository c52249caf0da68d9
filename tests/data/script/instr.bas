10 PRINT INSTR("banana", "an", 3)
20 PRINT INSTR("banana", "an", 7)
