' mode: both
? one
do_script_break
? two
