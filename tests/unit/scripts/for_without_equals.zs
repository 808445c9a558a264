' mode: both
FOR i 1 2
? not reached
