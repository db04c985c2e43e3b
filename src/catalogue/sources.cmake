target_sources(quorvex_core PRIVATE
)
