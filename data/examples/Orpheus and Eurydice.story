# Orpheus and Eurydice, the Greek myth of the singer who went down to the dead for his wife,
# storyformed as an example story. See data/README.md for the form of this file.

title Orpheus and Eurydice

info Synopsis
    Orpheus, whose songs could move stones and tame beasts, marries the nymph Eurydice, but soon
    after the wedding she steps on a snake and dies. Refusing his loss, Orpheus goes down into the
    underworld, charms the ferryman and the watchdog of the dead with his lyre, and sings before
    Hades and Persephone until even the king of the dead relents. Eurydice may follow her husband
    back to the light, on one condition: he must not look back at her until they are out. On the
    very threshold Orpheus turns, and she slips back into the dark for ever. He mourns her for the
    rest of his life, and dies at the hands of the Maenads, his head still singing as it floats
    down the river.
info OSSynopsis
    Death has taken Eurydice, and the whole underworld stands in the way of getting her back: the
    ferryman, the dog, the law that no one returns. Everything turns on attitudes, of the gods, of
    the dead, of the lovers, and on whether the powers that block the way can be brought to help.
info MCSynopsis
    Orpheus cannot accept that his wife is gone; he holds to her so fiercely that he walks into
    the land of the dead. What he cannot do is believe in what he cannot see, and that is what
    undoes him.
info OCSynopsis
    Hades is the one power that never changes its mind, until Orpheus's song makes it change. His
    offer gives the singer a choice about the future, and a condition that asks more of him than
    music.
info SSSynopsis
    Between the singer and the god of the dead there is a contest of natures: music against law.
    Orpheus changes Hades's heart; Hades lays an obligation on Orpheus that tests whether he can
    change his own.
info ThemeSynGen
    The myth weighs belief against disbelief: a love strong enough to open the gates of death is
    lost in the one moment when the lover cannot trust what he cannot see.

storyform
    Resolve     Steadfast
    Direction   Start
    Approach    Do-er
    Sex         Intuitive
    Work        Action
    Limit       Optionlock
    Outcome     Failure
    Judgment    Bad
    STDom       Activity
    STCon       Obtaining
    STRng       Attitude
    STPbm       Hinder
    MCDom       Fixed Attitude
    MCCon       Innermost Desires
    MCRng       Dream
    MCPbm       Disbelief
    OCDom       Situation
    OCCon       The Future
    OCRng       Choice
    OCPbm       Hinder
    PLDom       Manipulation
    PLCon       Changing One's Nature
    PLRng       Obligation
    PLPbm       Hinder

character Orpheus
    sex         male
    picture     4
    subjective  main
    archetype   Protagonist
    role        The greatest singer of his age
    description
        A poet of Thrace whose lyre makes trees lean to listen and rivers pause; devoted, proud of his
        gift, and unable to bear not knowing.
    skills      His songs charm beasts, rocks, the dead and the gods.
    introduction   He plays at his own wedding feast, where the torch smokes and will not burn clear.
    dismissal      Torn apart by the Maenads, he goes down to the dead again and is with Eurydice at last.

character Hades
    sex         male
    picture     27
    subjective  impact
    role        King of the dead
    description
        Stern, unmoved and bound by the law of his realm, he has never let anyone return, until
        Orpheus sings to him.

character Eurydice
    sex         female
    picture     5
    archetype   Sidekick
    role        Orpheus's bride
    description
        A young nymph who dies on her wedding day and follows her husband silently up from the dark.

character Persephone
    sex         female
    picture     10
    archetype   Guardian
    role        Queen of the underworld
    description  Herself once taken from the world above, she is moved first by the singer's grief.

character Charon
    sex         male
    picture     6
    archetype   Skeptic
    role        The ferryman of the dead
    description  He carries only the dead across the river, and will not carry the living twice.

character Cerberus
    sex         neither
    picture     29
    archetype   Antagonist
    role        The watchdog of the underworld
    description  A huge dog with three heads that lets the dead in and none out.

character The Shades
    sex         neither
    form        several
    picture     24
    archetype   Emotion
    role        The dead
    description  Pale crowds who forget their torments while Orpheus sings and weep for him.

character The Maenads
    sex         female
    form        several
    picture     26
    archetype   Contagonist
    role        Wild women who follow the god of wine
    description  Scorned by the grieving Orpheus, they fall on him in a frenzy.

character The Snake
    sex         neither
    picture     39
    role        A viper in the long grass
    description  It bites Eurydice's heel as she runs through the meadow.

relationship Orpheus & Eurydice
    Husband and wife for a single day; he crosses into death for her and loses her at the door.
relationship Orpheus & Hades
    The singer pleads and the king of the dead gives way, on a condition the singer cannot keep.
relationship Orpheus & Persephone
    The queen hears her own loss in his song and speaks for him.
relationship Orpheus & Charon
    The ferryman takes him across once, charmed, and refuses him the second time.
relationship Orpheus & Cerberus
    The watchdog falls asleep to his lyre.
relationship Orpheus & The Maenads
    He shuns them in his grief, and they kill him for it.
relationship Hades & Persephone
    King and queen of the dead; she softens him.

scene The wedding
    description
        Orpheus marries Eurydice. The marriage torch sputters and smokes, and the guests take it as
        an ill omen.
    points      MCDom MCType1 OCType1 STDom Sex
    characters  Orpheus, Eurydice

scene The snake in the grass
    description
        Fleeing through a meadow, Eurydice is bitten on the heel by a snake and dies.
    points      Work STPbm STType1 OCDom
    characters  Eurydice, The Snake

scene The mourning song
    description
        Orpheus grieves until the trees and rocks weep with him, then resolves to go down to the
        dead and ask for her back.
    points      Resolve Approach MCCon MCRng STCon
    characters  Orpheus

scene Across the river
    description
        At the cave that leads down, Orpheus plays for Charon, who ferries him over, and for
        Cerberus, who lies down and sleeps.
    points      STType2 STStp STReq STFoc STDir
    characters  Orpheus, Charon, Cerberus

scene The shades listen
    description
        As he passes among the dead, the tormented rest from their labours and the shades weep.
    points      MCType2 STUnRng PLType1
    characters  Orpheus, The Shades

scene Before the throne
    description
        Orpheus sings his loss to Hades and Persephone. The king of the dead, moved for the first
        time, grants that Eurydice may follow him, if he does not look back until they reach the
        light.
    points      PLDom PLCon PLRng OCCon OCRng ResOC OCType2 Limit
    characters  Orpheus, Hades, Persephone, Eurydice

scene The long climb
    description
        Orpheus climbs through the silent dark, hearing nothing behind him and wondering at every
        step whether she is there.
    points      MCType3 MCPbm MCFoc MCDir STType3 PLType2
    characters  Orpheus, Eurydice

scene The look back
    description
        At the threshold, with the light in sight, Orpheus turns. Eurydice says a faint farewell and
        is drawn back into the dark.
    points      MCType4 STType4 Outcome MCSol PLType3 OCType3
    characters  Orpheus, Eurydice

scene The ferry refused
    description  Orpheus tries to go down again, but Charon will not take him across.
    points      STCrFl OCType4 PLType4 STGoal
    characters  Orpheus, Charon

scene The death of Orpheus
    description
        Orpheus wanders in grief and will look at no other woman. The Maenads tear him apart, and his
        head, still singing her name, floats down the river.
    points      Judgment MCGoal PLGoal STRng2 MCRng2
    characters  Orpheus, The Maenads

storytelling
    Resolve
        Orpheus never stops loving Eurydice; he goes to the dead for her, and after he loses her
        he will love no one else.
    ResOC
        Hades changes: the god whom nothing moves gives way to a song.
    Direction
        Orpheus needs to start trusting: to believe she is behind him without seeing her.
    Approach
        Orpheus acts: he does not wait for the gods to pity him but walks down to them.
    Sex
        Orpheus works by feeling the whole of a thing at once, which is how his songs move everyone;
        a step-by-step proof of her presence is what he lacks.
    Work
        Eurydice's death comes first, a blow that forces every decision after it.
    Limit
        The journey is bounded by its steps, not by a clock: once he has used up his chance, no other
        is left.
    Outcome
        Eurydice is not brought back to the world of the living.
    Judgment
        Orpheus ends in grief and is killed still mourning her.
    Nature
        It looks as if Orpheus's work has won, Hades agrees, but the real test is still ahead and he
        fails it.
    Essence
        The myth feels like a struggle against something dreaded: death, loss, the dark behind.
    Tendency
        Orpheus goes willingly; nobody drives him into the underworld.
    Reach
        The story speaks the intuitive way, through music and feeling, not by argument.
    STDom
        The overall story is an activity: a journey down to the dead and back.
    STCon
        What everyone is concerned with is obtaining: getting Eurydice back from death, or keeping
        her there.
    STRng
        Attitude is the issue: the fixed ways of the underworld, and whether they can be softened.
    STPbm
        The trouble is hindrance: a snake, a river, a dog, a law, everything in the way.
    STStp
        The journey is measured by what has been done: the river crossed, the dog passed, the song
        sung.
    STSol
        Help is what could undo it: the ferryman's, the queen's, the king's.
    STFoc
        Everyone looks to support: who will take Orpheus's side?
    STDir
        And everyone meets him with opposition at first.
    STUnRng
        Approach speeds things along: Orpheus's way of meeting each guardian with a song.
    STCrFl
        Delay holds things back: the long climb gives doubt time to grow.
    STType1
        First comes understanding: the loss and what it means.
    STType2
        Then obtaining: passage across the river and past the dog.
    STType3
        Then doing: the silent climb back toward the light.
    STType4
        Last, gathering information: the look that tries to learn whether she is there.
    STGoal
        The goal is to obtain Eurydice's return from the dead.
    STReq
        It requires doing: the climb must be made, step by step, to the very end.
    STRng2
        Against the underworld's attitude stands Orpheus's approach, his way of winning hearts.
    MCDom
        Orpheus's trouble is his fixed attitude: he will not accept her death.
    MCCon
        His concern is his innermost desire: to have her back, to see her face.
    MCRng
        His issue is a dream: a life with Eurydice restored, which he pursues into the dark.
    MCPbm
        His problem is disbelief: he cannot believe she follows unless he sees her.
    MCStp
        His course is measured by impulsive responses, from grief to the sudden turning back.
    MCSol
        What he needed was faith, to trust the god's word and her silent steps.
    MCFoc
        He attends to support: he listens for her footsteps behind him.
    MCDir
        And he fights against what stands in his way, even the condition of his own reprieve.
    MCUnRng
        His gift is refusing closure: because he will not let her death be final, he reaches her.
    MCCrFl
        His commitment undoes him: he loves her too much to wait one more step.
    MCType1
        First his innermost desire: he wants her back.
    MCType2
        Then memories: he sings the life they shared to the dead.
    MCType3
        Then contemplation: in the silent climb he thinks and thinks.
    MCType4
        Last, the impulsive response: he turns.
    MCGoal
        His reward was to be his heart's desire, and in death he has it.
    MCReq
        He is warned against impulse: one glance will undo everything.
    MCRng2
        Against the dream stands hope, which dies at the threshold.
    OCDom
        Hades works through a situation: the fixed state of death and the realm he rules.
    OCCon
        Hades deals in the future: what may happen if Orpheus keeps the condition.
    OCRng
        Choice is his issue: he gives Orpheus a choice, to look or not.
    OCPbm
        Hades's trouble is hindrance: it is his nature to keep the dead from going.
    OCStp
        His influence is measured by how things change: the first change his realm has ever seen.
    OCSol
        His answer is to help, and he does, with a condition.
    OCFoc
        He insists on control: the dead obey his law.
    OCDir
        The song makes him uncontrolled for once: he weeps iron tears.
    OCUnRng
        His unusual gift is openness: he listens to a living man.
    OCCrFl
        His flaw is self interest: the condition keeps his law intact.
    OCType1
        First the past: the dead belong to him, as they always have.
    OCType2
        Then change: he relents.
    OCType3
        Then the future: Eurydice's fate depends on what Orpheus will do.
    OCType4
        Last the present: the dead are his again, and the ferry will not return.
    OCGoal
        The cost of his impact is a future made uncertain.
    OCReq
        Before he can affect Orpheus, his own heart must change.
    OCRng2
        Against choice stands delay: he could refuse, or make Orpheus wait.
    PLDom
        Between Orpheus and Hades it is manipulation: a song meant to change a mind, a condition
        meant to test one.
    PLCon
        Their relationship is about changing natures, the god's and the man's.
    PLRng
        Obligation is the issue: what Hades owes his law and what Orpheus owes the condition.
    PLPbm
        The trouble between them is hindrance, the god in the singer's way.
    PLStp
        It is measured by the roles they play: suppliant and judge.
    PLSol
        Help is the answer: the god helps, the singer must help himself.
    PLFoc
        They argue by logic: the dead must stay dead.
    PLDir
        And they answer with feeling: a song of grief.
    PLUnRng
        Rationalization speeds them: she will come to you in time anyway, the singer argues.
    PLCrFl
        Hope slows them: the hope that tempts the singer to look.
    PLType1
        At first they develop a plan: the singer's plan to ask.
    PLType2
        Then each plays his role: the grieving husband, the unbending king.
    PLType3
        Then natures change: the god relents, the man breaks.
    PLType4
        Last an idea is formed: that nothing will bring her back a second time.
    PLGoal
        What comes of it is a change of nature: the unmoved god moved.
    PLReq
        It requires each to play his role to the end.
    PLRng2
        Against obligation stands rationalization, the reasons each gives himself.
