# Tests of the controls area.
