' mode: both
a = 2
name = World
? <((a + 1) * 2)>
? Hello [name] [nosuch] [[name]
? a&& b
? <(len (name))>
? after
