<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Tandor</name>
    <message numerus="yes">
        <source>%@ · %lld files</source>
        <translation>
            <numerusform>%@ · %lld file</numerusform>
            <numerusform>%@ · %lld files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld bytes</source>
        <translation>
            <numerusform>%lld byte</numerusform>
            <numerusform>%lld bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld could not be moved and stay in the pile.</source>
        <translation>
            <numerusform>%lld could not be moved and stays in the pile.</numerusform>
            <numerusform>%lld could not be moved and stay in the pile.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld files are in iCloud only. Tandor does not download them to compare.</source>
        <translation>
            <numerusform>%lld file is in iCloud only. Tandor does not download it to compare.</numerusform>
            <numerusform>%lld files are in iCloud only. Tandor does not download them to compare.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld files could not be moved on and stay in %@.</source>
        <translation>
            <numerusform>%lld file could not be moved on and stays in %@.</numerusform>
            <numerusform>%lld files could not be moved on and stay in %@.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld files could not be read.</source>
        <translation>
            <numerusform>%lld file could not be read.</numerusform>
            <numerusform>%lld files could not be read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld files from %@ are on the pile. Nothing moves until you confirm it.</source>
        <translation>
            <numerusform>%lld file from %@ is on the pile. Nothing moves until you confirm it.</numerusform>
            <numerusform>%lld files from %@ are on the pile. Nothing moves until you confirm it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld files sorted into folders</source>
        <translation>
            <numerusform>%lld file sorted into folders</numerusform>
            <numerusform>%lld files sorted into folders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld files · %@</source>
        <translation>
            <numerusform>%lld file · %@</numerusform>
            <numerusform>%lld files · %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld folders could not be read. Your user account may not have permission to read them.</source>
        <translation>
            <numerusform>%lld folder could not be read. Your user account may not have permission to read it.</numerusform>
            <numerusform>%lld folders could not be read. Your user account may not have permission to read them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld groups · %@ besides the best shots</source>
        <translation>
            <numerusform>%lld group · %@ besides the best shots</numerusform>
            <numerusform>%lld groups · %@ besides the best shots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld groups · %@ in extra copies</source>
        <translation>
            <numerusform>%lld group · %@ in extra copies</numerusform>
            <numerusform>%lld groups · %@ in extra copies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld items · %@</source>
        <translation>
            <numerusform>%lld item · %@</numerusform>
            <numerusform>%lld items · %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld more groups are copy-on-write clones: they already share their space, so there is nothing to gain.</source>
        <translation>
            <numerusform>%lld more group is a copy-on-write clone: it already shares its space, so there is nothing to gain.</numerusform>
            <numerusform>%lld more groups are copy-on-write clones: they already share their space, so there is nothing to gain.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld smaller items</source>
        <translation>
            <numerusform>%lld smaller item</numerusform>
            <numerusform>%lld smaller items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld snapshots</source>
        <translation>
            <numerusform>%lld snapshot</numerusform>
            <numerusform>%lld snapshots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld suggestions · %@</source>
        <translation>
            <numerusform>%lld suggestion · %@</numerusform>
            <numerusform>%lld suggestions · %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Automations added %lld items (%@) to the pile. Review them, then move them to the Trash.</source>
        <translation>
            <numerusform>Automations added %lld item (%@) to the pile. Review it, then move it to the Trash.</numerusform>
            <numerusform>Automations added %lld items (%@) to the pile. Review them, then move them to the Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %lld items (%@) to the Trash?</source>
        <translation>
            <numerusform>Move %lld item (%@) to the Trash?</numerusform>
            <numerusform>Move %lld items (%@) to the Trash?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %lld files on. You can put them back from History.</source>
        <translation>
            <numerusform>Moved %lld file on. You can put it back from History.</numerusform>
            <numerusform>Moved %lld files on. You can put them back from History.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %lld items (%@) to the Trash. Empty the Trash to get the space back.</source>
        <translation>
            <numerusform>Moved %lld item (%@) to the Trash. Empty the Trash to get the space back.</numerusform>
            <numerusform>Moved %lld items (%@) to the Trash. Empty the Trash to get the space back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Next %lld files</source>
        <translation>
            <numerusform>Next %lld file</numerusform>
            <numerusform>Next %lld files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put back %lld items (%@).</source>
        <translation>
            <numerusform>Put back %lld item (%@).</numerusform>
            <numerusform>Put back %lld items (%@).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Show %lld kept files again</source>
        <translation>
            <numerusform>Show %lld kept file again</numerusform>
            <numerusform>Show %lld kept files again</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>to the pile in %lld days</source>
        <translation>
            <numerusform>to the pile in %lld day</numerusform>
            <numerusform>to the pile in %lld days</numerusform>
        </translation>
    </message>
</context>
</TS>
