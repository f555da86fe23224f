# Pride and Prejudice, Jane Austen's novel of the Bennet sisters and Mr Darcy, storyformed as an
# example story. See data/README.md for the form of this file.

title Pride and Prejudice

info Synopsis
    The Bennets of Longbourn have five daughters and no son, so their estate will pass to a cousin.
    When the rich Mr Bingley takes the house nearby, he falls for the eldest, Jane, while his proud
    friend Mr Darcy snubs the second, Elizabeth, who decides she despises him. Charming Mr Wickham
    confirms her dislike with a tale of Darcy's cruelty. Darcy nonetheless proposes, and she refuses
    him with contempt; his letter in reply shows her how wrong she has been about him and about
    Wickham. When Lydia, the youngest, runs off with Wickham, Darcy quietly pays to have them
    married, saving the family's name. Bingley returns to Jane, Lady Catherine fails to frighten
    Elizabeth off, and Elizabeth accepts Darcy.
info OSSynopsis
    A village full of families plotting their daughters' futures: Mrs Bennet schemes for husbands,
    the Bingley sisters and Lady Catherine scheme to keep the Bennets out, Wickham schemes for a
    fortune, and the Bennets' circumstances, five girls and an entailed estate, make every plan
    urgent.
info MCSynopsis
    Elizabeth prides herself on reading people. She sees through Mr Collins and Miss Bingley, and
    she is sure she has seen through Darcy. Her quick judgements, built on one overheard insult and
    one charming lie, have to be taken apart before she can see him, or herself, clearly.
info OCSynopsis
    Darcy stands on his rank and his past: a great estate, an old family, a sister he has protected
    from Wickham. His sense of what his position allows him shapes everything he does to Elizabeth,
    and he must come to want her more than he values his station.
info SSSynopsis
    Elizabeth and Darcy spend the book trying to understand each other and getting it wrong, at
    balls, in drawing rooms, in a letter, on a walk, until each reading of the other has been
    corrected.
info ThemeSynGen
    The novel weighs awareness of others against awareness of oneself: the sharpest observer of
    everyone's follies learns last of all to observe her own.

storyform
    Resolve     Change
    Direction   Stop
    Approach    Be-er
    Sex         Intuitive
    Work        Decision
    Limit       Optionlock
    Outcome     Success
    Judgment    Good
    STDom       Manipulation
    STCon       Developing a Plan
    STRng       Circumstances
    STPbm       Aware
    MCDom       Fixed Attitude
    MCCon       Memories
    MCRng       Evidence
    MCPbm       Aware
    OCDom       Situation
    OCCon       The Past
    OCRng       Prediction
    OCPbm       Ability
    PLDom       Activity
    PLCon       Understanding
    PLRng       Interpretation
    PLPbm       Order

character Elizabeth Bennet
    sex         female
    picture     5
    subjective  main
    archetype   Protagonist
    role        The second of the five Bennet daughters
    description
        Quick, witty and confident in her own judgement, she loves to laugh at folly and is not easily
        impressed by rank.
    skills      A lively tongue and a sharp eye for other people's absurdities.
    introduction
        At the Meryton assembly she overhears Darcy call her tolerable but not handsome enough to
        tempt him, and laughs about it to her friends.
    dismissal   She marries Darcy and becomes mistress of Pemberley.

character Fitzwilliam Darcy
    sex         male
    picture     21
    subjective  impact
    archetype   Guardian
    role        Master of Pemberley, friend of Mr Bingley
    description
        Rich, reserved and proud of his family and his judgement; honourable at heart, though his
        manners hide it.
    background
        He protected his young sister from an elopement with Wickham and has never spoken of it.
    introduction   He refuses to dance at the assembly and everyone decides he is the proudest man in England.

character Jane Bennet
    sex         female
    picture     1
    archetype   Sidekick
    role        The eldest Bennet daughter
    description  Beautiful, gentle and unwilling to think badly of anyone.

character Charles Bingley
    sex         male
    picture     4
    role        A rich young man who rents Netherfield
    description  Friendly and easily led, he loves Jane but lets his friend persuade him she is indifferent.

character Mrs Bennet
    sex         female
    picture     7
    archetype   Emotion
    role        The girls' mother
    description  Nervous, silly and single-minded: her business in life is to get her daughters married.

character Mr Bennet
    sex         male
    picture     6
    archetype   Reason
    role        The girls' father
    description
        A clever, sardonic man who retreats to his library and laughs at his family rather than
        governing it.

character Lydia Bennet
    sex         female
    picture     3
    role        The youngest Bennet daughter
    description  Fifteen, loud and wild about officers; she runs away with Wickham.

character George Wickham
    sex         male
    picture     14
    archetype   Contagonist
    role        An officer of the militia
    description
        Handsome and agreeable, the son of the old Pemberley steward, he lives on charm, debts and
        lies.

character Lady Catherine de Bourgh
    sex         female
    picture     10
    archetype   Antagonist
    role        Darcy's aunt and Mr Collins's patroness
    description  Overbearing and sure of her rank, she means Darcy to marry her own daughter.

character Mr Collins
    sex         male
    picture     15
    role        A clergyman, cousin and heir to Longbourn
    description  Pompous and servile, he proposes to Elizabeth and marries Charlotte three days later.

character Charlotte Lucas
    sex         female
    picture     22
    archetype   Skeptic
    role        Elizabeth's closest friend
    description  Sensible and unromantic, she marries Mr Collins for a comfortable home.

relationship Elizabeth Bennet & Fitzwilliam Darcy
    They begin with an insult and mutual dislike, spar in every drawing room, and end in marriage
    once each has seen the other truly.
relationship Elizabeth Bennet & Jane Bennet
    Sisters and confidantes; Jane thinks well of everyone, Elizabeth of almost no one.
relationship Elizabeth Bennet & George Wickham
    She likes him at once and believes his story against Darcy, until she learns the truth.
relationship Elizabeth Bennet & Mr Bennet
    Her father's favourite, she shares his wit but not his indifference to the family's fate.
relationship Elizabeth Bennet & Charlotte Lucas
    Friends who disagree about marriage; Elizabeth is shocked when Charlotte accepts Mr Collins.
relationship Elizabeth Bennet & Lady Catherine de Bourgh
    Lady Catherine tries to command Elizabeth, and Elizabeth refuses to be commanded.
relationship Fitzwilliam Darcy & George Wickham
    Raised together at Pemberley; Wickham squandered the help Darcy's father left him and tried to
    elope with Darcy's sister.
relationship Fitzwilliam Darcy & Charles Bingley
    Close friends; Darcy talks Bingley out of Jane and later confesses he was wrong.
relationship Jane Bennet & Charles Bingley
    They fall in love at the first assembly, are parted by his friends, and are engaged at last.
relationship Lydia Bennet & George Wickham
    She runs off with him; he marries her only because Darcy pays him to.

scene The Meryton assembly
    description
        Bingley dances twice with Jane. Darcy refuses to dance with Elizabeth, and she overhears him
        say she is not handsome enough to tempt him.
    points      STDom MCType1 MCPbm PLDom Work
    characters  Elizabeth Bennet, Fitzwilliam Darcy, Jane Bennet, Charles Bingley, Mrs Bennet

scene Elizabeth at Netherfield
    description
        Jane falls ill at Netherfield, and Elizabeth walks through the mud to nurse her. In the
        drawing room she and Darcy argue about pride and faults, and he begins to admire her.
    points      PLCon PLType1 MCFoc OCPbm
    characters  Elizabeth Bennet, Fitzwilliam Darcy, Jane Bennet, Charles Bingley

scene Mr Collins proposes
    description
        Mr Collins proposes to Elizabeth with a list of reasons and cannot believe her refusal; he
        is engaged to Charlotte within days.
    points      STCon STType1 STRng Limit
    characters  Elizabeth Bennet, Mr Collins, Mrs Bennet, Mr Bennet, Charlotte Lucas

scene Wickham's story
    description
        Wickham tells Elizabeth that Darcy cheated him of the living his father promised him, and
        she believes every word.
    points      MCRng MCType2 PLRng MCCrFl
    characters  Elizabeth Bennet, George Wickham

scene The Netherfield ball and after
    description
        Elizabeth dances with Darcy and taunts him about Wickham; her family disgrace themselves; the
        Netherfield party leaves for London and Bingley does not return.
    points      STFoc STDir OCCon OCType1 STType2
    characters  Elizabeth Bennet, Fitzwilliam Darcy, Charles Bingley, Mrs Bennet, Lydia Bennet

scene The proposal at Hunsford
    description
        Visiting Charlotte, Elizabeth learns that Darcy separated Bingley from Jane. Darcy then
        proposes, insulting her family as he does so, and she refuses him angrily.
    points      MCType3 OCRng OCType2 PLPbm Resolve
    characters  Elizabeth Bennet, Fitzwilliam Darcy, Charlotte Lucas, Lady Catherine de Bourgh

scene Darcy's letter
    description
        Darcy gives her a letter explaining his part with Jane and the truth about Wickham. Reading
        it again and again, Elizabeth sees that she has been blind, partial and absurd.
    points      MCSol MCUnRng MCStp STSol MCDom
    characters  Elizabeth Bennet, Fitzwilliam Darcy

scene Pemberley
    description
        Touring Darcy's estate with her aunt and uncle, Elizabeth hears his housekeeper praise him
        and meets him unexpectedly, altered, courteous and kind.
    points      OCType3 MCType4 PLType2 OCStp MCGoal
    characters  Elizabeth Bennet, Fitzwilliam Darcy

scene Lydia is gone
    description
        A letter from Jane says Lydia has run off with Wickham unmarried. Elizabeth tells Darcy and is
        sure she has lost him.
    points      STType3 PLSol STUnRng Outcome
    characters  Elizabeth Bennet, Fitzwilliam Darcy, Lydia Bennet, George Wickham, Mr Bennet

scene The patched marriage
    description
        Lydia and Wickham are married and come home unashamed. Lydia lets slip that Darcy was at the
        wedding; Elizabeth learns that he found them and paid for everything.
    points      OCSol OCUnRng PLType3 STReq STCrFl
    characters  Elizabeth Bennet, Lydia Bennet, George Wickham, Mrs Bennet

scene Bingley comes back
    description
        Bingley returns to Netherfield, calls at Longbourn and proposes to Jane.
    points      STType4 STGoal STStp OCType4
    characters  Jane Bennet, Charles Bingley, Mrs Bennet

scene Lady Catherine's visit
    description
        Lady Catherine arrives to forbid an engagement she has heard rumoured. Elizabeth will promise
        nothing, and her report of the visit gives Darcy hope.
    points      OCRng2 OCDir OCFoc STRng2 PLType4
    characters  Elizabeth Bennet, Lady Catherine de Bourgh

scene The second proposal
    description
        On a walk Elizabeth thanks Darcy for what he did for Lydia. He asks again, and this time she
        accepts.
    points      PLGoal PLReq MCDir Judgment ResOC
    characters  Elizabeth Bennet, Fitzwilliam Darcy

storytelling
    Resolve
        Elizabeth changes her mind about Darcy and, more deeply, about her own power of judging.
    ResOC
        Darcy's heart holds steady: he loves Elizabeth from Netherfield to the last page and proves
        it in deeds.
    Direction
        Elizabeth has to stop: stop judging at first sight and stop enjoying her own cleverness at
        others' expense.
    Approach
        Elizabeth meets trouble by adjusting her own view, rereading a letter until she sees herself
        differently.
    Sex
        Elizabeth weighs people as wholes, by how everything about them strikes her, which is why a
        single impression can take hold of her.
    Work
        Decisions drive the story: Bingley's choice to leave, Darcy's proposals, Elizabeth's refusals,
        Lydia's decision to run.
    Limit
        There is no deadline; things end as the options run out: every misunderstanding is cleared,
        every suitor has spoken.
    Outcome
        The daughters' futures are secured: Jane and Elizabeth marry well and Lydia is saved from ruin.
    Judgment
        Elizabeth ends the story happy, knowing herself and loved by a man she esteems.
    Nature
        Elizabeth's dilemma is real: to gain her happiness she truly has to give up her cherished
        certainty.
    Essence
        The story feels like an escape from what could go wrong: disgrace, a loveless match, the
        entail turning the family out.
    Tendency
        Elizabeth is willing: once she sees her error, she faces it herself.
    Reach
        The story reaches its conclusion the intuitive way: through the feel of a letter reread,
        a house visited, a tone of voice, until the whole picture shifts at once.
    STDom
        The overall story is manipulation: plotting, persuading and scheming over who marries whom.
    STCon
        Everyone is developing a plan: Mrs Bennet's for husbands, Miss Bingley's for Darcy, Wickham's
        for money, Lady Catherine's for her daughter.
    STRng
        The circumstances of the Bennets, an entailed estate, five daughters, embarrassing relations,
        frame every plan.
    STPbm
        The trouble is awareness of others: everyone watches everyone, and each is all too aware of
        the others' faults and station.
    STStp
        How things are going is measured by the ideas people conceive: who is engaged to whom, who
        is in love, who is disgraced.
    STSol
        The cure is self-awareness: Darcy recognises his pride, Elizabeth her prejudice, Bingley his
        pliability.
    STFoc
        People fix on fairness: whether Wickham was cheated, whether Jane was slighted.
    STDir
        They respond with unfairness, snubbing, slandering and cutting each other.
    STUnRng
        The situation speeds everything up: the entail and the militia quartered in Meryton force
        events.
    STCrFl
        Interpretation holds things back: everyone reads the others' behaviour wrongly.
    STType1
        It begins with changes of nature: newcomers arrive in the neighbourhood and the village
        remakes itself around them.
    STType2
        Then plans are laid and foiled: the Bingleys withdraw Charles, Collins finds a wife.
    STType3
        Then people play their roles: the disgraced sister, the silent rescuer, the forgiving
        family.
    STType4
        At last new ideas take hold: engagements everyone thought impossible.
    STGoal
        The goal is a workable plan for the daughters' futures: good marriages.
    STReq
        It requires a new idea of one another: the families must conceive of a match across rank.
    STRng2
        Against circumstances stands situation: however the families' present state looks, the
        underlying situation of rank and money does not change.
    MCDom
        Elizabeth's trouble is a fixed attitude: she has made up her mind about Darcy at once.
    MCCon
        Elizabeth's concern is memory: she recalls every slight, then rereads the past in the light
        of Darcy's letter.
    MCRng
        Evidence is her issue: she judges on too little, and must revise on better.
    MCPbm
        Elizabeth is so keenly aware of others, their follies and their pride, that she never turns
        the same eye on herself.
    MCStp
        Her growth is measured in contemplation, by how long she thinks over the letter and what it
        says of her.
    MCSol
        Self-awareness solves it: till she read that letter, she says, she never knew herself.
    MCFoc
        She looks at what people can do, to her family and to Jane, and blames Darcy for it.
    MCDir
        She answers with her own desire, to think as she likes and to marry only for love.
    MCUnRng
        Her gift is weighing evidence; once she has the facts she judges fairly.
    MCCrFl
        What undermines her is prohibition: what she has forbidden herself to think, she will not
        consider.
    MCType1
        She begins in contemplation, amusing herself with observing her neighbours.
    MCType2
        Then memory governs her: she lives on Wickham's story and Darcy's insult.
    MCType3
        Then her impulsive responses: the angry refusal at Hunsford.
    MCType4
        Last her innermost desires surface at Pemberley: she wishes she could have been mistress
        there.
    MCGoal
        What she gains is a corrected memory of the past, seeing Darcy, Wickham and herself as they
        were.
    MCReq
        She is forewarned by her own reflections; a doubt creeps in whenever she is alone.
    MCRng2
        Against evidence stands suspicion, which Elizabeth indulges until the facts are in.
    OCDom
        Darcy's impact comes from his situation: rich, high-born, master of Pemberley.
    OCCon
        The past drives him: his family, his father's will, what Wickham did to his sister.
    OCRng
        Darcy predicts: he foresees that Jane does not love Bingley and that the Bennets will disgrace
        any connection.
    OCPbm
        Darcy's trouble is his sense of what his position enables: he can arrange, separate and
        condescend.
    OCStp
        His influence is measured in the present: how he behaves when she meets him again.
    OCSol
        What finally moves him is desire: he wants Elizabeth more than his dignity.
    OCFoc
        He attends to what is fair and unfair to his friend and his family.
    OCDir
        And he commits injustices in doing so, slighting Elizabeth's relations.
    OCUnRng
        His foresight is also his strength: he sees what Wickham will do and heads it off.
    OCCrFl
        Suspicion of others' motives makes him cold and hides his good qualities.
    OCType1
        Darcy's impact begins with the past: his snub at the assembly rests on his family's pride.
    OCType2
        Then on the future: he proposes, expecting to be accepted.
    OCType3
        Then on how things are changing: at Pemberley he shows a changed manner.
    OCType4
        Finally on the present: his quiet help with Lydia speaks for him now.
    OCGoal
        The cost of his impact is paid in the past, in the family secrets his letter must reveal.
    OCReq
        Before he can affect her, the present must give him the chance: the chance meeting at
        Pemberley.
    OCRng2
        Against his predictions stands interdiction: Lady Catherine's attempt to forbid the match.
    PLDom
        Their relationship is an activity: dances, walks, visits, sparring matches.
    PLCon
        It is all about understanding each other, and failing to.
    PLRng
        Interpretation is their issue: every speech each makes, the other reads wrongly.
    PLPbm
        Order keeps them apart: the order of rank, of propriety, of how things are done.
    PLStp
        Their progress is measured by what each learns of the other.
    PLSol
        Chaos brings them together: Lydia's scandal breaks the order and lets Darcy act.
    PLFoc
        They quarrel about fairness, what Darcy did to Wickham and Jane.
    PLDir
        Each answers with unfairness, her taunts and his slights.
    PLUnRng
        Their senses speed them along: the sight of her after the muddy walk, the sight of
        Pemberley.
    PLCrFl
        Circumstances slow them: her family, his aunt, the distance between their stations.
    PLType1
        They start by trying to understand each other.
    PLType2
        Then they act: he proposes, she refuses, he writes.
    PLType3
        Then they obtain what they need: she the truth, he a better opinion.
    PLType4
        Last they gather what each has learned and put it together on their walk.
    PLGoal
        The relationship reaches understanding at last.
    PLReq
        It requires each to gather the facts about the other.
    PLRng2
        Against interpretation stands the evidence of the senses, what each has seen the other do.
