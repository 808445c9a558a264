' A ")" without "(" stops the substitution; the line still runs.
? x) && y
? after
