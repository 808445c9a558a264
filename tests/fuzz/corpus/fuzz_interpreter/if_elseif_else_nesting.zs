' mode: both
x = 1
if (x = 1)
  ? one
  if (x = 2)
    ? wrong 1
  elseif (x = 1)
    ? inner elseif
  else
    ? wrong 2
  endif
elseif (x = 2)
  ? wrong 3
else
  ? wrong 4
endif
if (x = 5)
  ? wrong 5
elseif (x = 6)
  ? wrong 6
elseif (x = 1)
  ? second elseif
else
  ? wrong 7
endif
if (0 = 1)
  ? wrong 8
else
  ? else branch
endif
if (x = 1)
endif
? done
