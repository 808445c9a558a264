' mode: both
if FALSE
? upper-case FALSE is true
endif
if 0.0
? 0.0 is true
endif
if false
? not printed
endif
if
? an empty condition is false
endif
? end
