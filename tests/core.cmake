# Tests of the core area.
